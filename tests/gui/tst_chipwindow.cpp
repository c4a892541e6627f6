// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "FormFixture.h"
#include "chipview/ChipController.h"
#include "document/EffectDocument.h"
#include "tests/TestFiles.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTimer>

// The Chip menu in the window: a read loads the chip as Load loads a file, untitled and in the
// layout of its size; a verify that finds differences shows them with the compare marks.
class TestChipWindow : public QObject, private FormFixture
{
    Q_OBJECT

private:
    // Answers the next question box named `name` with the button captioned `caption`; its text
    // goes to `text` when given (which must outlive the answer).
    static void answerLater(const QString &name, const QString &caption, QString *text = nullptr)
    {
        auto *timer = new QTimer;
        QObject::connect(timer, &QTimer::timeout, timer, [timer, name, caption, text] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || box->objectName() != name)
                return;
            if (text)
                *text = box->text();
            for (QAbstractButton *button : box->buttons()) {
                if (button->text() == caption)
                    button->click();
            }
            timer->deleteLater();
        });
        timer->start(20);
    }
    // A write of an all-lit image to an erased simulated chip, under way.
    QString startWriting()
    {
        const QString image = TestFiles::writeAll(folder->filePath(QStringLiteral("lit.bin")), QByteArray(2048, '\0'));
        form->loadImageFile(image);
        const QString chip = folder->filePath(QStringLiteral("chip")); // made erased
        form->findChild<ChipController *>()->setTarget(QStringLiteral("sim:") + chip);
        answerLater(QStringLiteral("chipWriteQuestion"), QStringLiteral("&Write"));
        triggerMenu("writeToChipAction");
        [&] { QTRY_VERIFY(TestFiles::readAll(chip).contains('\0')); }(); // the first pages are in
        return chip;
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
            QStringLiteral("1 page differs, 1 LED"));
        QVERIFY(form->statusBar()->isVisible());
        QCOMPARE(TestFiles::readAll(chip), bytes); // a read and a verify write nothing
    }

    // An image file that is not whole goes to no chip: Write and Verify say why and touch nothing.
    // Through the programmer, an erased chip reads as a missing one would: the window asks before
    // such bytes become the image, and the Write question says so before they become the backup.
    void uniformBytesThroughTheProgrammerAreAskedAbout()
    {
        const QString image = TestFiles::writeAll(folder->filePath(QStringLiteral("lit.bin")), QByteArray(2048, '\0'));
        form->loadImageFile(image);
        form->findChild<ChipController *>()->setTarget(
            QStringLiteral("simch341a:") + folder->filePath(QStringLiteral("chip"))); // made erased
        QString question;
        answerLater(QStringLiteral("suspectReadQuestion"), QStringLiteral("Cancel"), &question);
        triggerMenu("readFromChipAction");
        QTRY_VERIFY(!question.isEmpty());
        QVERIFY2(question.contains(QStringLiteral("Every byte of the chip reads 0xFF")), qPrintable(question));
        QCOMPARE(form->document().path(), image); // the image stays
        QCOMPARE(form->ledState(1), LedState::On);

        QString write;
        answerLater(QStringLiteral("chipWriteQuestion"), QStringLiteral("Cancel"), &write);
        triggerMenu("writeToChipAction");
        QTRY_VERIFY(!write.isEmpty());
        QVERIFY2(write.startsWith(QStringLiteral("Every byte of the chip reads 0xFF")), qPrintable(write));

        answerLater(QStringLiteral("suspectReadQuestion"), QStringLiteral("&Show"));
        triggerMenu("readFromChipAction");
        QTRY_COMPARE(form->ledState(1), LedState::Off);
        QCOMPARE(form->document().path(), QString());
    }

    void aFileThatIsNotWholeGoesToNoChip_data()
    {
        QTest::addColumn<QByteArray>("action");
        QTest::newRow("write") << QByteArray("writeToChipAction");
        QTest::newRow("verify") << QByteArray("verifyChipAction");
    }
    void aFileThatIsNotWholeGoesToNoChip()
    {
        QFETCH(QByteArray, action);
        form->loadImageFile(TestFiles::writeAll(folder->filePath(QStringLiteral("short.bin")), QByteArray(100, '\0')));
        const QString chip = folder->filePath(QStringLiteral("chip"));
        form->findChild<ChipController *>()->setTarget(QStringLiteral("sim:") + chip);
        QString refusal;
        answerLater(QStringLiteral("ErrorBox"), QStringLiteral("OK"), &refusal);
        triggerMenu(action.constData());
        QTRY_VERIFY(!refusal.isEmpty());
        QVERIFY2(refusal.startsWith(
                     QStringLiteral("short.bin holds 100 bytes, and an image for the chip holds exactly 2048")),
            qPrintable(refusal));
        QVERIFY(!QFile::exists(chip));
    }

    // An 8-bit image with lit LEDs in a right half: Write asks as Save does (Cancel: nothing
    // written), Verify says the chip cannot hold them instead of "The chip holds this image".
    void theRightHalfOfAnEightBitImageIsNotLostWithoutAWord()
    {
        form->loadImageFile(TestFiles::writeAll(folder->filePath(QStringLiteral("e.bin8")), QByteArray(1024, '\xFF')));
        press(16, Qt::LeftButton); // row 1, column 1: the right half, which the 8-bit layout lacks
        release(16, Qt::LeftButton);
        const QString chip = TestFiles::writeAll(folder->filePath(QStringLiteral("chip")), QByteArray(1024, '\xFF'));
        form->findChild<ChipController *>()->setTarget(QStringLiteral("sim8:") + chip);
        QString question;
        QString byDefault; // the answer Enter gives: the one that loses nothing
        auto *answer = new QTimer(form.get());
        connect(answer, &QTimer::timeout, answer, [&question, &byDefault, answer] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || box->objectName() != QStringLiteral("QuestionBox"))
                return;
            question = box->text();
            byDefault = box->defaultButton() ? box->defaultButton()->text() : QString();
            answer->deleteLater();
            box->button(QMessageBox::Cancel)->click();
        });
        answer->start(20);
        triggerMenu("writeToChipAction");
        QTRY_VERIFY(!question.isEmpty());
        QCOMPARE(byDefault, QStringLiteral("&Cancel"));
        QVERIFY2(question.startsWith(QStringLiteral("The 8-bit layout holds the left half of each row only")),
            qPrintable(question));
        QCOMPARE(TestFiles::readAll(chip), QByteArray(1024, '\xFF'));
        QString verdict;
        answerLater(QStringLiteral("ErrorBox"), QStringLiteral("OK"), &verdict);
        triggerMenu("verifyChipAction");
        QTRY_VERIFY(!verdict.isEmpty());
        QVERIFY2(verdict.contains(QStringLiteral("cannot be in the chip")), qPrintable(verdict));
    }

    // A comparison with the chip follows what the chip holds after a write.
    void aWriteBringsAComparisonWithTheChipUpToDate()
    {
        QByteArray bytes(2048, '\xFF');
        bytes[0] = '\xFE';
        const QString chip = TestFiles::writeAll(folder->filePath(QStringLiteral("chip")), QByteArray(2048, '\xFF'));
        form->loadImageFile(TestFiles::writeAll(folder->filePath(QStringLiteral("a.bin")), bytes));
        form->findChild<ChipController *>()->setTarget(QStringLiteral("sim:") + chip);
        answerLater(QStringLiteral("chipDiffersBox"), QStringLiteral("&Show the Differences"));
        triggerMenu("verifyChipAction");
        QTRY_VERIFY(form->findChild<QLabel *>(QStringLiteral("comparisonStatus")));
        const auto status = [this] { return form->findChild<QLabel *>(QStringLiteral("comparisonStatus"))->text(); };
        QTRY_COMPARE(status(), QStringLiteral("1 page differs, 1 LED"));
        answerLater(QStringLiteral("chipWriteQuestion"), QStringLiteral("&Write"));
        answerLater(QStringLiteral("chipResultBox"), QStringLiteral("OK"));
        triggerMenu("writeToChipAction");
        QTRY_COMPARE(status(), QStringLiteral("Same as the chip"));
        QCOMPARE(TestFiles::readAll(chip), bytes);
    }

    // A close while the chip is written asks first; Cancel the Work stops it at the next chip
    // page, its report (which pages are new, where the backup is) is shown, and the window closes
    // with the chip part new, part old, nothing left running.
    void aCloseDuringAWriteCancelsTheWorkWhenAsked()
    {
        const QString chip = startWriting();
        auto *chips = form->findChild<ChipController *>();
        QString report;
        answerLater(QStringLiteral("chipWorkQuestion"), QStringLiteral("&Cancel the Work"));
        answerLater(QStringLiteral("ErrorBox"), QStringLiteral("OK"), &report);
        QVERIFY(form->close());
        QVERIFY(!chips->isWorking());
        QVERIFY2(report.contains(QStringLiteral("Stopped between two chip pages"))
                && report.contains(QStringLiteral("old contents are kept in")),
            qPrintable(report));
        const QByteArray held = TestFiles::readAll(chip);
        QVERIFY(held.contains('\xFF') && held.contains('\0'));
    }

    // A termination signal during a write stops it at the next chip page; the report goes to
    // standard error and is shown once at the next start.
    void aWriteEndedBySignalIsReportedAtTheNextStart()
    {
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        const auto restore = qScopeGuard([dataHome] { qputenv("XDG_DATA_HOME", dataHome); });
        qputenv("XDG_DATA_HOME", QFile::encodeName(folder->filePath(QStringLiteral("data"))));
        form->closeWithoutAsking();
        restart(); // a window whose backups and reports go to the test's folder
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const QString chip = startWriting();
        auto *chips = form->findChild<ChipController *>();
        chips->stopForExit();
        QVERIFY(!chips->isWorking());
        const QByteArray held = TestFiles::readAll(chip);
        QVERIFY(held.contains('\xFF') && held.contains('\0')); // stopped halfway
        QString report;
        answerLater(QStringLiteral("ErrorBox"), QStringLiteral("OK"), &report);
        chips->reportInterruptedWork();
        QVERIFY2(
            report.startsWith(QStringLiteral("The last run ended during chip work. Stopped between two chip pages.")),
            qPrintable(report));
        QVERIFY(report.contains(QStringLiteral("The chip's old contents are kept in")));
        report.clear();
        chips->reportInterruptedWork(); // once
        QTest::qWait(100);
        QVERIFY(report.isEmpty());
    }

    // Wait waits: the window stays while the write goes on, and closes by itself at its end.
    void aCloseThatWaitsClosesWhenTheWorkEnds()
    {
        const QString chip = startWriting();
        answerLater(QStringLiteral("chipWorkQuestion"), QStringLiteral("&Wait, Then Close"));
        answerLater(QStringLiteral("chipResultBox"), QStringLiteral("OK"));
        QVERIFY(!form->close());
        QVERIFY(form->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!form->isVisible(), 10000);
        QCOMPARE(TestFiles::readAll(chip), QByteArray(2048, '\0'));
    }

    // A chip that changes while the write's question is open is read again and asked about again;
    // the backup holds what it held when Write was pressed.
    void aChipChangedDuringTheQuestionIsAskedAboutAgain()
    {
        const QString image = TestFiles::writeAll(folder->filePath(QStringLiteral("lit.bin")), QByteArray(2048, '\0'));
        form->loadImageFile(image);
        const QString chip = TestFiles::writeAll(folder->filePath(QStringLiteral("chip")), QByteArray(2048, '\xFF'));
        form->findChild<ChipController *>()->setTarget(QStringLiteral("sim:") + chip);
        // First question: another chip goes into the clip, then Write. Second: its text, Cancel.
        QStringList questions;
        auto *answer = new QTimer(form.get());
        connect(answer, &QTimer::timeout, answer, [&questions, chip] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || box->objectName() != QStringLiteral("chipWriteQuestion"))
                return;
            questions << box->text();
            if (questions.size() == 1)
                TestFiles::writeAll(chip, QByteArray(2048, '\x77'));
            for (QAbstractButton *button : box->buttons()) {
                if (button->text() == (questions.size() == 1 ? QStringLiteral("&Write") : QStringLiteral("Cancel")))
                    button->click();
            }
        });
        answer->start(20);
        triggerMenu("writeToChipAction");
        QTRY_COMPARE(questions.size(), 2);
        delete answer;
        QVERIFY2(!questions.at(0).startsWith(QStringLiteral("The chip changed")), qPrintable(questions.at(0)));
        QVERIFY2(questions.at(1).startsWith(QStringLiteral("The chip changed while the question was open")),
            qPrintable(questions.at(1)));
        QCOMPARE(TestFiles::readAll(chip), QByteArray(2048, '\x77')); // Cancel: nothing written
    }
};

QTEST_MAIN(TestChipWindow)
#include "tst_chipwindow.moc"
