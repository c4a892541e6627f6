// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "FormFixture.h"
#include "chipview/ChipController.h"
#include "document/EffectDocument.h"
#include "tests/TestFiles.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>

// The Chip menu in the window: a read loads the chip as Load loads a file, untitled and in the
// layout of its size; a verify that finds differences shows them with the compare marks.
class TestChipWindow : public QObject, private FormFixture
{
    Q_OBJECT

private:
    // Answers the next question box named `name` with the button captioned `caption`.
    static void answerLater(const QString &name, const QString &caption)
    {
        auto *timer = new QTimer;
        QObject::connect(timer, &QTimer::timeout, timer, [timer, name, caption] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || box->objectName() != name)
                return;
            for (QAbstractButton *button : box->buttons()) {
                if (button->text() == caption)
                    button->click();
            }
            timer->deleteLater();
        });
        timer->start(20);
    }

private Q_SLOTS:
    void init() { QVERIFY(createShown()); }
    void cleanup()
    {
        form->closeWithoutAsking();
        destroy();
    }

    void aReadLoadsTheChipAndAVerifyShowsWhereItDiffers_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("size");
        QTest::addColumn<ImageLayout>("layout");
        QTest::newRow("16-Kbit part") << "sim:" << 2048 << ImageLayout::Bits16;
        QTest::newRow("8-Kbit part") << "sim8:" << 1024 << ImageLayout::Bits8;
    }
    void aReadLoadsTheChipAndAVerifyShowsWhereItDiffers()
    {
        QFETCH(QString, kind);
        QFETCH(int, size);
        QFETCH(ImageLayout, layout);
        QByteArray bytes(size, '\xFF');
        bytes[0] = '\xFE'; // page 1, the top-left LED lit
        const QString chip = TestFiles::writeAll(folder->filePath(QStringLiteral("chip")), bytes);
        auto *chips = form->findChild<ChipController *>();
        chips->setTarget(kind + chip);

        triggerMenu("readFromChipAction");
        QTRY_COMPARE(form->ledState(1), LedState::On);
        QCOMPARE(form->document().path(), QString()); // no file name until saved
        QCOMPARE(form->document().layout(), layout);
        QVERIFY(!form->document().isModified());

        press(2, Qt::LeftButton); // one LED more than the chip holds
        release(2, Qt::LeftButton);
        answerLater(QStringLiteral("chipDiffersBox"), QStringLiteral("&Show the Differences"));
        triggerMenu("verifyChipAction");
        QTRY_VERIFY(form->findChild<QLabel *>(QStringLiteral("comparisonStatus")));
        QCOMPARE(form->findChild<QLabel *>(QStringLiteral("comparisonStatus"))->text(),
            QStringLiteral("1 pages differ, 1 LEDs"));
        QVERIFY(form->statusBar()->isVisible());
        QCOMPARE(TestFiles::readAll(chip), bytes); // a read and a verify write nothing
    }

    // A close while the chip is written asks first; Cancel the Work stops it at the next chip
    // page, and the window closes with the chip part new, part old, nothing left running.
    void aCloseDuringAWriteCancelsTheWorkWhenAsked()
    {
        const QString image = TestFiles::writeAll(folder->filePath(QStringLiteral("lit.bin")), QByteArray(2048, '\0'));
        form->loadImageFile(image);
        const QString chip = folder->filePath(QStringLiteral("chip")); // made erased
        auto *chips = form->findChild<ChipController *>();
        chips->setTarget(QStringLiteral("sim:") + chip);
        answerLater(QStringLiteral("chipWriteQuestion"), QStringLiteral("&Write"));
        triggerMenu("writeToChipAction");
        QTRY_VERIFY(TestFiles::readAll(chip).contains('\0')); // the first pages are in
        answerLater(QStringLiteral("chipWorkQuestion"), QStringLiteral("&Cancel the Work"));
        QVERIFY(form->close());
        QVERIFY(!chips->isWorking());
        const QByteArray held = TestFiles::readAll(chip);
        QVERIFY(held.contains('\xFF') && held.contains('\0'));
    }
};

QTEST_MAIN(TestChipWindow)
#include "tst_chipwindow.moc"
