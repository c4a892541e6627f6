// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "FormFixture.h"
#include "about/AboutDialog.h"
#include "chipview/ChipTargetDialog.h"
#include "options/OptionsDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QRadioButton>
#include <QStyle>
#include <QTranslator>

// Every caption shows whole in every language the program speaks: a text cut at its control's
// edge, or running into the control beside it, is a caption the user cannot read.
class TestCaptions : public QObject, private FormFixture
{
    Q_OBJECT

private:
    QTranslator m_ours;
    QTranslator m_qt;

    // Why `widget`'s caption does not show whole; empty when it does.
    static QString clipped(QWidget *widget)
    {
        const QFontMetrics metrics = widget->fontMetrics();
        int needed = 0;
        QString text;
        if (auto *box = qobject_cast<QGroupBox *>(widget)) {
            text = box->title();
            needed = metrics.horizontalAdvance(text) + 16; // the frame's corners either side
        } else if (qobject_cast<QCheckBox *>(widget) || qobject_cast<QRadioButton *>(widget)) {
            text = static_cast<QAbstractButton *>(widget)->text();
            const QStyle *style = widget->style();
            needed = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget)
                + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, widget)
                + metrics.horizontalAdvance(QString(text).remove(QLatin1Char('&')));
        } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
            text = button->text();
            const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            needed = metrics.horizontalAdvance(QString(text).remove(QLatin1Char('&'))) + icon + 8; // its bevel
        } else if (auto *label = qobject_cast<QLabel *>(widget); label && !label->wordWrap()) {
            text = label->text();
            needed = label->sizeHint().width();
        }
        if (text.isEmpty() || needed <= widget->width())
            return {};
        return QStringLiteral("\"%1\" needs %2 px, has %3").arg(text).arg(needed).arg(widget->width());
    }

    // Every caption of `window` that is shown and does not show whole, or runs into an LED button
    // beside it.
    static QStringList clippedCaptions(QWidget *window)
    {
        QStringList found;
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (!widget->isVisibleTo(window) || !widget->parentWidget()->rect().intersects(widget->geometry()))
                continue; // not seen
            if (const QString why = clipped(widget); !why.isEmpty())
                found << why;
            const auto *label = qobject_cast<QLabel *>(widget);
            if (!label || label->wordWrap())
                continue;
            // Where the text itself is drawn, from the label's left edge.
            const QRect text(label->geometry().topLeft() + label->contentsRect().topLeft(),
                QSize(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().height()));
            for (const auto *panel : label->parentWidget()->findChildren<LedPanel *>(Qt::FindDirectChildrenOnly)) {
                for (const LedIndicator *led : panel->indicators()) {
                    if (QRect(panel->mapToParent(led->geometry().topLeft()), led->geometry().size()).intersects(text))
                        found << QStringLiteral("\"%1\" runs into a button").arg(label->text());
                }
            }
        }
        return found;
    }

private Q_SLOTS:
    void everyCaptionShowsWhole_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("window");
        for (const char *language : {"en", "de"}) {
            for (const char *window : {"main window", "Options", "About", "Choose Chip"})
                QTest::newRow(QByteArray(language) + ", " + window) << QString::fromLatin1(language) << window;
        }
    }
    void everyCaptionShowsWhole()
    {
        QFETCH(QString, language);
        QFETCH(QString, window);
        if (language != QLatin1String("en")) {
            QVERIFY(m_ours.load(QStringLiteral(":/i18n/glimmerview_") + language));
            QVERIFY(m_qt.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
            QCoreApplication::installTranslator(&m_ours);
            QCoreApplication::installTranslator(&m_qt);
        }
        const auto restore = qScopeGuard([this] {
            QCoreApplication::removeTranslator(&m_ours);
            QCoreApplication::removeTranslator(&m_qt);
        });
        create();
        std::unique_ptr<QWidget> shown;
        if (window == QLatin1String("Options"))
            shown = form->createOptionsDialog();
        else if (window == QLatin1String("About"))
            shown = std::make_unique<AboutDialog>(form.get());
        else if (window == QLatin1String("Choose Chip"))
            shown = std::make_unique<ChipTargetDialog>(QStringLiteral("sim:chip"), form.get());
        QWidget *checked = shown ? shown.get() : form.get();
        checked->show();
        QVERIFY(QTest::qWaitForWindowExposed(checked));
        const QStringList found = clippedCaptions(checked);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));
    }

    void cleanup() { destroy(); }
};

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
