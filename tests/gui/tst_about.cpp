// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "FormFixture.h"
#include "about/AboutDialog.h"
#include "about/BevelPanel.h"
#include "about/CreditsPanel.h"
#include "about/TooltipTimer.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QToolTip>
#include <QUrlQuery>

class TestAbout : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AboutDialog> m_about;
    QStringList m_mails;

    template<typename T = QWidget>
    T *element(const char *name) const
    {
        auto *widget = m_about->findChild<T *>(QString::fromUtf8(name));
        if (!widget)
            qFatal("no element %s", name);
        return widget;
    }
    QList<QWidget *> firstTabElements() const
    {
        QList<QWidget *> list;
        for (const char *name :
            {"descriptionText", "programPicture", "programIcon", "teamLabel", "creditsLabel", "CloseButton"})
            list << element(name);
        return list;
    }
    void open()
    {
        m_about = std::make_unique<AboutDialog>();
        m_about->setMailOpener([this](const QString &text) { m_mails << text; });
        m_about->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_about.get()));
    }
    void press(QWidget *widget, Qt::MouseButton button) { QTest::mousePress(widget, button, {}, QPoint(2, 2)); }

private Q_SLOTS:
    void init()
    {
        m_mails.clear();
        open();
    }
    void cleanup() { m_about.reset(); }

    void window()
    {
        QCOMPARE(m_about->windowTitle(), QStringLiteral("About"));
        QCOMPARE(m_about->size(), QSize(527, 310));
        QCOMPARE(m_about->minimumSize(), m_about->maximumSize());
        auto *pages = element<QTabWidget>("aboutTabs");
        QCOMPARE(pages->geometry(), QRect(0, 0, 527, 310));
        QCOMPARE(pages->count(), 2);
        QCOMPARE(pages->tabText(0), QStringLiteral("About Program"));
        QCOMPARE(pages->tabText(1), QStringLiteral("Internet"));
        QCOMPARE(pages->currentIndex(), 0);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY((m_about->frameGeometry().center() - screen.center()).manhattanLength() <= 2);
    }

    // The bevels as they are drawn: a lowered edge is dark at the left and light at the right, a
    // raised one the other way round. Each panel shows whole on its page.
    void panelsAndTheirBevels_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<bool>("outerLowered");
        QTest::addColumn<bool>("innerLowered");
        QTest::newRow("credits") << "creditsPanel" << true << false;
        QTest::newRow("internet") << "internetPanel" << false << true;
    }
    void panelsAndTheirBevels()
    {
        QFETCH(QString, panel);
        QFETCH(bool, outerLowered);
        QFETCH(bool, innerLowered);
        auto *shown = element<BevelPanel>(panel.toUtf8().constData());
        QVERIFY(shown->parentWidget()->rect().contains(shown->geometry()));
        const QImage picture = shown->grab().toImage();
        const int y = picture.height() / 2;
        const auto lightness = [&](int x) { return QColor(picture.pixel(x, y)).lightness(); };
        QCOMPARE(lightness(0) < lightness(picture.width() - 1), outerLowered);
        QCOMPARE(lightness(1) < lightness(picture.width() - 2), innerLowered);
    }

    // Every line can be read: a scroll bar where the text is taller than the box, none where it
    // fits; the box keeps its size either way.
    void descriptionScrollsOnlyWhenItDoesNotFit_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("three lines fit") << 3 << false;
        QTest::newRow("sixty lines do not") << 60 << true;
    }
    void descriptionScrollsOnlyWhenItDoesNotFit()
    {
        QFETCH(int, lines);
        QFETCH(bool, scrolls);
        auto *memo = element<QPlainTextEdit>("descriptionText");
        memo->setPlainText(QStringList(lines, QStringLiteral("line")).join(QLatin1Char('\n')));
        QTRY_COMPARE(memo->verticalScrollBar()->isVisible(), scrolls);
        QCOMPARE(memo->geometry(), QRect(8, 8, 337, 265));
        memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->maximum());
        const QTextBlock last = memo->document()->lastBlock();
        QVERIFY(memo->cursorRect(QTextCursor(last)).bottom() <= memo->viewport()->height());
    }

    void firstTab()
    {
        auto *memo = element<QPlainTextEdit>("descriptionText");
        QCOMPARE(memo->geometry(), QRect(8, 8, 337, 265));
        QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(memo->isReadOnly()); // to read, not to edit
        QVERIFY(memo->tabChangesFocus());
        QCOMPARE(memo->accessibleName(), QStringLiteral("Description"));
        const QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 27); // and what came after the viewer: editing, the overview, the chip
        QVERIFY(lines[0].contains(QStringLiteral("Glimmerview")));
        QCOMPARE(lines[1], QStringLiteral("Dynamic Glimmerview. FINAL Version."));
        QCOMPARE(
            lines[3], QStringLiteral("Dynamic Glimmerview program is designed for reading of ")); // trailing blank kept
        QCOMPARE(lines[5], QStringLiteral("which is used for programming 16K EEPROM Integrated Circuit (IC) by "));
        QCOMPARE(lines[14], QStringLiteral("   - Single-page mode"));
        QCOMPARE(lines[17], QStringLiteral("2. Four selectable colors of dynamic lights string "));
        QCOMPARE(lines[18], QStringLiteral("   are available: RED, GREEN, BLUE, YELLOW."));
        QCOMPARE(lines[26], QStringLiteral("   with a backup and a read-back proof."));
        for (int empty : {2, 7, 10, 12, 16, 19, 22, 24})
            QVERIFY(lines[empty].isEmpty());

        auto *picture = element<QLabel>("programPicture");
        QCOMPARE(picture->geometry(), QRect(352, 8, 162, 107));
        QCOMPARE(picture->pixmap().size(), QSize(162, 107));
        QVERIFY(!picture->hasScaledContents());
        auto *icon = element<QLabel>("programIcon");
        QCOMPARE(icon->geometry(), QRect(480, 128, 32, 32));
        QVERIFY(icon->hasScaledContents());
        QCOMPARE(element("teamLabel")->pos(), QPoint(360, 128));
        QCOMPARE(element("creditsLabel")->pos(), QPoint(360, 144));
        auto *close = element<QPushButton>("CloseButton");
        QCOMPARE(close->geometry(), QRect(456, 240, 55, 30));
        QCOMPARE(close->text(), QStringLiteral("Close"));
        QVERIFY(close->font().bold());
        QCOMPARE(close->palette().color(QPalette::ButtonText), QColor(Qt::blue));
    }

    void internetTab()
    {
        auto *hardware = element<QLabel>("hardwareCreditLabel");
        auto *software = element<QLabel>("softwareCreditLabel");
        QCOMPARE(hardware->text(),
            QStringLiteral("Serial Interface Concept investigation and hardware embodiment  E-Mail:"));
        QCOMPARE(software->text(), QStringLiteral("Software idea and implementation E-Mail:"));
        QCOMPARE(hardware->geometry().topLeft(), QPoint(8, 8));
        QCOMPARE(hardware->width(), 342);
        QCOMPARE(software->geometry().topLeft(), QPoint(156, 32));
        QCOMPARE(software->width(), 194);
        for (QLabel *credit : {hardware, software}) {
            QCOMPARE(credit->x() + credit->width(), 350);
            QVERIFY(credit->alignment() & Qt::AlignRight);
            QVERIFY(credit->fontMetrics().horizontalAdvance(credit->text()) <= credit->width()); // whole
        }
        for (const char *name : {"hardwareMailLink", "softwareMailLink"}) {
            auto *link = element<QLabel>(name);
            QCOMPARE(link->x(), 360);
            QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
            QVERIFY(!link->font().underline());
            QCOMPARE(link->cursor().shape(), Qt::ArrowCursor);
            QVERIFY(link->x() + link->width() <= 519);
        }
        QCOMPARE(element<QLabel>("hardwareMailLink")->y(), 8);
        QCOMPARE(element<QLabel>("softwareMailLink")->y(), 32);
    }

    void mailLinks_data()
    {
        QTest::addColumn<QByteArray>("label");
        QTest::addColumn<QString>("address");
        QTest::newRow("hardware") << QByteArray("hardwareMailLink") << "hardware@glimmerview.example";
        QTest::newRow("software") << QByteArray("softwareMailLink") << "software@glimmerview.example";
    }
    void mailLinks()
    {
        QFETCH(QByteArray, label);
        QFETCH(QString, address);
        element<QTabWidget>("aboutTabs")->setCurrentIndex(1);
        QTest::mouseClick(element(label.constData()), Qt::LeftButton);
        QCOMPARE(m_mails.size(), 1);
        QCOMPARE(m_mails.first(), QStringLiteral("mailto:") + address + QStringLiteral("?Subject=about Other&Body="));
        const QUrl url(m_mails.first());
        QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        QCOMPARE(url.path(), address);
        const QUrlQuery query(url);
        QCOMPARE(query.queryItemValue(QStringLiteral("Subject"), QUrl::FullyDecoded), QStringLiteral("about Other"));
        QVERIFY(query.hasQueryItem(QStringLiteral("Body")));
        QVERIFY(query.queryItemValue(QStringLiteral("Body")).isEmpty());
    }

    void onlyARightPressOnTheSecondCreditsLineScrolls_data()
    {
        QTest::addColumn<QByteArray>("label");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("plays");
        QTest::newRow("right on the credits label") << QByteArray("creditsLabel") << int(Qt::RightButton) << true;
        QTest::newRow("left on the credits label") << QByteArray("creditsLabel") << int(Qt::LeftButton) << false;
        QTest::newRow("middle on the credits label") << QByteArray("creditsLabel") << int(Qt::MiddleButton) << false;
        QTest::newRow("right on the team label") << QByteArray("teamLabel") << int(Qt::RightButton) << false;
        QTest::newRow("left on the team label") << QByteArray("teamLabel") << int(Qt::LeftButton) << false;
    }
    void onlyARightPressOnTheSecondCreditsLineScrolls()
    {
        QFETCH(QByteArray, label);
        QFETCH(int, button);
        QFETCH(bool, plays);
        press(element(label.constData()), Qt::MouseButton(button));
        QCOMPARE(m_about->creditsPanel()->isPlaying(), plays);
        for (QWidget *widget : firstTabElements())
            QCOMPARE(widget->isVisible(), !plays);
    }

    void theScrollRunsItsLimitAndTheElementsComeBack()
    {
        CreditsPanel *panel = m_about->creditsPanel();
        press(element("creditsLabel"), Qt::RightButton);
        QVERIFY(panel->tickTimer()->isActive());
        QCOMPARE(panel->tickTimer()->interval(), 30);
        QCOMPARE(panel->tickTimer()->timerType(), Qt::PreciseTimer);
        const int limit = panel->scroll()->limit();
        QCOMPARE(limit, 272 + 18 * panel->lineHeight());
        panel->tickTimer()->stop(); // the ticks are driven by hand here
        for (int tick = 1; tick <= limit; ++tick)
            panel->tick();
        QVERIFY(panel->isPlaying());
        QCOMPARE(panel->scroll()->count(), limit);
        panel->tick(); // the last tick ends it
        QVERIFY(!panel->isPlaying());
        for (QWidget *widget : firstTabElements())
            QVERIFY(widget->isVisible());
    }

    void closingDuringAScrollIsSafe()
    {
        press(element("creditsLabel"), Qt::RightButton);
        QTest::qWait(100);
        m_about->close();
        m_about.reset();
        open();
        QVERIFY(!m_about->creditsPanel()->isPlaying());
        for (QWidget *widget : firstTabElements())
            QVERIFY(widget->isVisible());
    }

    // The keyboard is never trapped: typing changes nothing, Tab leaves the text for Close,
    // and Return closes the window.
    void theKeyboardGetsOut()
    {
        auto *memo = element<QPlainTextEdit>("descriptionText");
        const QString original = memo->toPlainText();
        memo->setFocus();
        QTest::keyClicks(memo, QStringLiteral("scribble\t"));
        QCOMPARE(memo->toPlainText(), original);
        QCOMPARE(QApplication::focusWidget(), element("CloseButton"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!m_about->isVisible());
    }

    void closeButtonAndCloseBoxClose()
    {
        QTest::mouseClick(element("CloseButton"), Qt::LeftButton);
        QVERIFY(!m_about->isVisible());
        open();
        m_about->close();
        QVERIFY(!m_about->isVisible());
    }

    void tooltipsKeepTheirOwnTimes()
    {
        TooltipTimer *tips = m_about->tooltips();
        QList<std::pair<QString, int>> shown;
        tips->setShow([&shown](const QString &text, QWidget *, int displayTime) { shown.append({text, displayTime}); });
        QWidget *memo = element<QPlainTextEdit>("descriptionText")->viewport();
        QEnterEvent enterMemo(QPointF(5, 5), QPointF(5, 5), memo->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(memo, &enterMemo);
        QVERIFY(tips->wakeTimer()->isActive());
        QCOMPARE(tips->wakeTimer()->interval(), 2000);
        QCOMPARE(tips->element(), memo);
        tips->fire();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].first, QStringLiteral("About")); // no tooltip of its own: the window's
        QCOMPARE(shown[0].second, 300000);
        QWidget *picture = element("programPicture");
        QEnterEvent enterPicture(QPointF(5, 5), QPointF(5, 5), picture->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(picture, &enterPicture);
        QCOMPARE(tips->wakeTimer()->interval(), 50); // a tooltip is up: the next comes quickly
        // Qt's own tooltip events are not let through.
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), picture->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(picture, &help);
        QVERIFY(!QToolTip::isVisible()); // Qt would have shown the window's "About" at once
    }

    void everyOpeningIsANewModalWindow()
    {
        m_about.reset();
        FormFixture fixture;
        fixture.create();
        int opened = 0;
        for (int opening = 0; opening < 2; ++opening) {
            QTimer::singleShot(0, this, [&opened] {
                auto *about = qobject_cast<AboutDialog *>(QApplication::activeModalWidget());
                if (!about)
                    return;
                ++opened;
                QVERIFY(about->isModal());
                QCOMPARE(about->findChild<QTabWidget *>(QStringLiteral("aboutTabs"))->currentIndex(), 0);
                about->findChild<QTabWidget *>(QStringLiteral("aboutTabs"))->setCurrentIndex(1);
                about->close();
            });
            fixture.triggerMenu("aboutAction");
        }
        QCOMPARE(opened, 2);
        fixture.destroy();
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
