// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "FormFixture.h"
#include "document/EffectDocument.h"
#include "effect/ImageEncoder.h"
#include "generate/Generators.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QSpinBox>

// Edit › Generate: the image follows the settings while they change, OK keeps the effect as one
// step of the history, Cancel leaves the image as it was; what it makes is what the command line
// makes.
class TestGenerateDialog : public QObject, private FormFixture
{
    Q_OBJECT

private:
    QDialog *openDialog()
    {
        triggerMenu("generateAction");
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            qFatal("the Generate dialog did not open");
        return dialog;
    }
    QByteArray imageBytes() { return ImageEncoder::encode(form->image(), form->document().layout()); }

private Q_SLOTS:
    void init() { QVERIFY(createShown()); }
    void cleanup()
    {
        form->closeWithoutAsking();
        destroy();
    }

    // The dialog's effect, byte for byte the command line's, on either string.
    void theDialogMakesWhatTheCommandLineMakes_data()
    {
        QTest::addColumn<bool>("eightLeds");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("settings");
        QTest::newRow("text") << false << "text"
                              << "Hallo Welt" << QStringList {"text=Hallo Welt", "speed=1", "gap=8"};
        QTest::newRow("text, 8 LEDs") << true << "text"
                                      << "Grüße" << QStringList {"text=Grüße"};
        QTest::newRow("a bouncing chase with a tail") << false << "chase"
                                                      << "" << QStringList {"width=2", "tail=3", "bounce=1"};
        QTest::newRow("sparkle, 8 LEDs") << true << "sparkle"
                                         << "" << QStringList {"density=35", "seed=9"};
    }
    void theDialogMakesWhatTheCommandLineMakes()
    {
        QFETCH(bool, eightLeds);
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(QStringList, settings);
        triggerMenu(eightLeds ? "newEightLedAction" : "newAction");
        QDialog *dialog = openDialog();
        dialog->findChild<QComboBox *>(QStringLiteral("kindBox"))->setCurrentText(kind);
        for (const QString &setting : settings) {
            const QString name = setting.section(QLatin1Char('='), 0, 0);
            const QString value = setting.section(QLatin1Char('='), 1);
            QWidget *control = dialog->findChild<QWidget *>(name);
            QVERIFY2(control, qPrintable(name));
            if (auto *box = qobject_cast<QCheckBox *>(control)) {
                box->setChecked(value == QLatin1String("1"));
            } else if (auto *number = qobject_cast<QSpinBox *>(control)) {
                number->setValue(value.toInt());
            } else {
                auto *line = qobject_cast<QLineEdit *>(control);
                line->clear();
                for (const QChar character : text) // as typed, the image following each key
                    line->insert(character);
            }
        }
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        const int leds = eightLeds ? 8 : 16;
        QCOMPARE(imageBytes(),
            ImageEncoder::encode(
                Generators::make(kind, settings, leds), eightLeds ? ImageLayout::Bits8 : ImageLayout::Bits16));
        QCOMPARE(form->document().history()->count(), 1);
        form->document().history()->undo();
        QCOMPARE(imageBytes(), QByteArray(eightLeds ? 1024 : 2048, '\xFF'));
    }

    // While the dialog is open the image shows the effect; Cancel puts it back, with no step.
    void cancelLeavesTheImageAsItWas()
    {
        const QByteArray before = imageBytes();
        QDialog *dialog = openDialog();
        QVERIFY(imageBytes() != before); // the preview of the first kind at its defaults
        dialog->findChild<QSpinBox *>(QStringLiteral("gap"))->setValue(20);
        const QByteArray previewed = imageBytes();
        dialog->findChild<QSpinBox *>(QStringLiteral("gap"))->setValue(3);
        QVERIFY(imageBytes() != previewed);
        dialog->reject();
        QCOMPARE(imageBytes(), before);
        QCOMPARE(form->document().history()->count(), 0);
    }

    // With rows chosen, the effect goes into them, in time order, and nowhere else.
    void theEffectGoesIntoTheChosenRows()
    {
        form->document().setSelection(RowSelection::rows(20, 27));
        QDialog *dialog = openDialog();
        dialog->findChild<QComboBox *>(QStringLiteral("kindBox"))->setCurrentText(QStringLiteral("chase"));
        dialog->accept();
        const QList<Generators::Frame> chase = Generators::frames(QStringLiteral("chase"), {}, 16);
        const QByteArray bytes = imageBytes();
        for (int row = 0; row < 1024; ++row) {
            const Generators::Frame frame = row >= 20 && row <= 27 ? chase.at(row - 20) : 0;
            // LED 1 is the last column: bit 7 of a row's second byte; a set bit is unlit.
            quint16 shown = 0;
            for (int led = 0; led < 16; ++led) {
                const int column = 15 - led;
                if (!(static_cast<quint8>(bytes.at(2 * row + column / 8)) & (1 << (column % 8))))
                    shown |= static_cast<quint16>(1 << led);
            }
            QCOMPARE(shown, frame);
        }
    }
};

QTEST_MAIN(TestGenerateDialog)
#include "tst_generatedialog.moc"
