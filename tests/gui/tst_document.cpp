// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "FormFixture.h"
#include "effect/PageTools.h"
#include "mainwindow/EffectDocument.h"
#include "tests/TestFiles.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QUndoStack>

// Saving, the edit history, the page tools and the question about unsaved changes, in the real
// window; the file dialog and the question are answered by the test.
class TestDocument : public QObject, private FormFixture
{
    Q_OBJECT

private:
    std::optional<QString> m_savePath;
    int m_savePrompts = 0;
    QMessageBox::StandardButton m_answer = QMessageBox::Cancel;
    QStringList m_questions;

    EffectDocument &document() const { return form->document(); }
    QUndoStack &history() const { return *document().history(); }
    void click(int n)
    {
        press(n, Qt::LeftButton);
        release(n, Qt::LeftButton);
    }
    QString load(const QString &name, const QByteArray &bytes)
    {
        const QString path = TestFiles::writeAll(folder->filePath(name), bytes);
        form->loadImageFile(path);
        return path;
    }
    void goToPage(int page)
    {
        form->image().setCurrentPage(static_cast<std::uint16_t>(page));
        form->showCurrentPage();
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(createShown());
        m_savePath.reset();
        m_savePrompts = 0;
        m_answer = QMessageBox::Cancel;
        m_questions.clear();
        document().setSavePathPrompt([this](QWidget *, const QString &, const QString &, const QStringList &) {
            ++m_savePrompts;
            return m_savePath;
        });
        document().setQuestion([this](QWidget *, const QString &text, QMessageBox::StandardButtons) {
            m_questions << text;
            return m_answer;
        });
    }
    void cleanup()
    {
        if (form)
            form->closeWithoutAsking();
        destroy();
    }

    void eachToggleIsOneStep()
    {
        click(5);
        click(6);
        QCOMPARE(history().count(), 2);
        history().undo();
        QCOMPARE(form->ledState(6), LedState::Off);
        QCOMPARE(form->ledState(5), LedState::On);
        history().redo();
        QCOMPARE(form->ledState(6), LedState::On);
        QCOMPARE(form->image().page(1)[5], EffectImage::On);
    }

    void aRightStrokeIsOneStep()
    {
        press(1, Qt::RightButton);
        for (int n : {2, 3, 4})
            moveOver(n, Qt::RightButton);
        release(4, Qt::RightButton);
        for (int n : {1, 2, 3, 4})
            QCOMPARE(form->ledState(n), LedState::On);
        QCOMPARE(history().count(), 1);
        history().undo();
        for (int n : {1, 2, 3, 4})
            QCOMPARE(form->ledState(n), LedState::Off);
    }

    void undoingAPageToolShowsItsPage()
    {
        goToPage(3);
        document().fillPage();
        goToPage(7);
        history().undo();
        QCOMPARE(form->image().currentPage(), 3);
        QCOMPARE(form->findChild<QLineEdit *>(QStringLiteral("position"))->text(), QStringLiteral("3"));
        QCOMPARE(form->image().page(3), PageTools::cleared());
        history().redo();
        QCOMPARE(form->image().page(3), PageTools::filled());
        QCOMPARE(form->ledState(256), LedState::On);
        document().invertPage();
        QCOMPARE(form->image().page(3), PageTools::cleared());
        document().clearPage(); // no change: no step
        QCOMPARE(history().count(), 2);
    }

    void savingMarksThePointUndoReturnsTo()
    {
        const QString path = load(QStringLiteral("e.bin"), QByteArray(2048, '\xFF'));
        QCOMPARE(history().count(), 0); // a load starts the history anew
        click(1);
        QVERIFY(document().isModified());
        QVERIFY(document().save());
        QCOMPARE(m_savePrompts, 0); // the file that was loaded
        QVERIFY(!document().isModified());
        QCOMPARE(TestFiles::readAll(path).left(2), QByteArray("\xFE\xFF"));
        click(2);
        history().undo();
        QVERIFY(!document().isModified());
        history().undo();
        QVERIFY(document().isModified());
    }

    void saveAsksWhereWhenItMustNotWriteBack_data()
    {
        QTest::addColumn<int>("loadedLength"); // -1: nothing loaded
        QTest::newRow("nothing loaded") << -1;
        QTest::newRow("a dump longer than the layout") << 4096;
    }
    void saveAsksWhereWhenItMustNotWriteBack()
    {
        QFETCH(int, loadedLength);
        QString loaded;
        if (loadedLength > 0)
            loaded = load(QStringLiteral("dump.bin"), QByteArray(loadedLength, '\x55'));
        click(3);
        m_savePath = folder->filePath(QStringLiteral("new.bin8"));
        m_answer = QMessageBox::Save; // the right halves of the dump's rows may go
        QVERIFY(document().save());
        QCOMPARE(m_savePrompts, 1);
        QCOMPARE(TestFiles::readAll(*m_savePath).size(), 1024); // the layout of the name chosen
        if (!loaded.isEmpty())
            QCOMPARE(TestFiles::readAll(loaded), QByteArray(loadedLength, '\x55')); // its tail kept
    }

    // Painted while Multi page turns the page: every LED the stroke changed is in a step.
    void aStrokeAcrossAPageTurnIsKeptWhole()
    {
        press(1, Qt::RightButton);
        moveOver(2, Qt::RightButton);
        goToPage(2); // the preview turns the page under the held button
        moveOver(3, Qt::RightButton);
        release(3, Qt::RightButton);
        QCOMPARE(history().count(), 2);
        QVERIFY(document().isModified());
        QCOMPARE(form->image().page(2)[2], EffectImage::On);
        history().undo();
        history().undo();
        for (int page : {1, 2})
            QCOMPARE(form->image().page(page), PageTools::cleared());
    }

    // Save As never offers the dump Save refused to cut short, and any file longer than the
    // layout is replaced only when the user says so.
    void aLongerFileIsCutOnlyWhenTheUserSaysSo_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("No") << int(QMessageBox::No);
        QTest::newRow("Yes") << int(QMessageBox::Yes);
    }
    void aLongerFileIsCutOnlyWhenTheUserSaysSo()
    {
        QFETCH(int, answer);
        const QString dump = load(QStringLiteral("dump.bin"), QByteArray(4096, '\x55'));
        QString suggested;
        document().setSavePathPrompt([&](QWidget *, const QString &, const QString &offered, const QStringList &) {
            suggested = offered;
            return std::optional<QString>(dump); // chosen all the same
        });
        click(3);
        m_answer = static_cast<QMessageBox::StandardButton>(answer);
        QCOMPARE(document().save(), answer == QMessageBox::Yes);
        QCOMPARE(suggested, folder->filePath(QStringLiteral("dump-1.bin")));
        QCOMPARE(m_questions,
            QStringList {QStringLiteral("dump.bin holds 4096 bytes; saving keeps only the first 2048. Replace it?")});
        QCOMPARE(TestFiles::readAll(dump).size(), answer == QMessageBox::Yes ? 2048 : 4096);
    }

    void aFileChangedOnDiskIsOverwrittenOnlyWhenTheUserSaysSo_data()
    {
        QTest::addColumn<bool>("replaced"); // another program renamed a new file over it, or rewrote it
        QTest::addColumn<int>("answer");
        QTest::newRow("rewritten, Cancel") << false << int(QMessageBox::Cancel);
        QTest::newRow("replaced, Cancel") << true << int(QMessageBox::Cancel);
        QTest::newRow("rewritten, Overwrite") << false << int(QMessageBox::Yes);
    }
    void aFileChangedOnDiskIsOverwrittenOnlyWhenTheUserSaysSo()
    {
        QFETCH(bool, replaced);
        QFETCH(int, answer);
        const QString path = load(QStringLiteral("shared.bin"), QByteArray(2048, '\xFF'));
        click(1);
        const QByteArray theirs(2048, '\x0F');
        if (replaced) {
            TestFiles::writeAll(path + QStringLiteral(".new"), theirs);
            QVERIFY(QFile::remove(path) && QFile::rename(path + QStringLiteral(".new"), path));
        } else {
            TestFiles::writeAll(path, theirs);
        }
        m_answer = static_cast<QMessageBox::StandardButton>(answer);
        QCOMPARE(document().save(), answer == QMessageBox::Yes);
        QCOMPARE(m_questions,
            QStringList {QStringLiteral("shared.bin has changed on disk since it was loaded. Overwrite it?")});
        QCOMPARE(TestFiles::readAll(path) == theirs, answer != QMessageBox::Yes);
        m_questions.clear();
        if (answer == QMessageBox::Yes) { // the file as written is the one known from now on
            click(2);
            QVERIFY(document().save());
            QVERIFY(m_questions.isEmpty());
        }
    }

    // The C export of an 8-bit image holds the left halves only, and says so first.
    void theEightBitExportWarnsOfWhatItLoses()
    {
        load(QStringLiteral("half.bin8"), QByteArray(1024, '\xFF'));
        goToPage(4);
        document().fillPage();
        m_savePath = folder->filePath(QStringLiteral("half.h"));
        m_answer = QMessageBox::Cancel;
        document().exportCArray();
        QCOMPARE(m_questions.size(), 1);
        QVERIFY2(m_questions[0].contains(QStringLiteral("page 4")), qPrintable(m_questions[0]));
        QVERIFY(!QFile::exists(*m_savePath));
    }

    // The title names the file and marks unsaved edits; without a file it is the program's.
    void theTitleNamesTheFileAndItsEdits()
    {
        const QString program = QStringLiteral("Glimmerview FINAL Version");
        QCOMPARE(form->windowTitle(), program);
        load(QStringLiteral("e.bin"), QByteArray(2048, '\xFF'));
        QCOMPARE(form->windowTitle(), QStringLiteral("e.bin[*] \u2014 ") + program);
        QVERIFY(!form->isWindowModified());
        click(1);
        QVERIFY(form->isWindowModified());
        m_savePath = folder->filePath(QStringLiteral("other.bin"));
        QVERIFY(document().saveAs());
        QCOMPARE(form->windowTitle(), QStringLiteral("other.bin[*] \u2014 ") + program);
        QVERIFY(!form->isWindowModified());
    }

    void theEightBitLayoutWarnsOfWhatItLoses()
    {
        goToPage(5);
        document().fillPage();
        m_savePath = folder->filePath(QStringLiteral("half.bin8"));
        m_answer = QMessageBox::Cancel;
        QVERIFY(!document().saveAs());
        QVERIFY(!QFile::exists(*m_savePath));
        QCOMPARE(m_questions.size(), 1);
        QVERIFY2(m_questions[0].contains(QStringLiteral("page 5")), qPrintable(m_questions[0]));
        m_answer = QMessageBox::Save;
        QVERIFY(document().saveAs());
        QCOMPARE(TestFiles::readAll(*m_savePath).mid(4 * 16, 16), QByteArray(16, '\0'));
    }

    void aFailedSaveKeepsTheEdits()
    {
        click(9);
        m_savePath = folder->path(); // a folder where the file should go
        BoxSeen seen;
        seen.answerNext();
        QVERIFY(!document().saveAs());
        QCOMPARE(seen.count, 1);
        QVERIFY(seen.text.startsWith(QStringLiteral("Cannot save \"%1\": ").arg(folder->path())));
        QVERIFY(document().isModified());
        QCOMPARE(form->ledState(9), LedState::On);
    }

    // Closing with unsaved changes: Save writes them, Discard drops them, Cancel keeps the window
    // open and writes nothing, not even the settings.
    void theUnsavedChangesQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("Save") << int(QMessageBox::Save);
        QTest::newRow("Discard") << int(QMessageBox::Discard);
        QTest::newRow("Cancel") << int(QMessageBox::Cancel);
    }
    void theUnsavedChangesQuestion()
    {
        QFETCH(int, answer);
        const QString path = load(QStringLiteral("q.bin"), QByteArray(2048, '\xFF'));
        click(1);
        m_answer = static_cast<QMessageBox::StandardButton>(answer);
        form->close();
        QCOMPARE(m_questions, QStringList {QStringLiteral("Save changes to q.bin?")});
        QCOMPARE(form->isVisible(), answer == QMessageBox::Cancel);
        QCOMPARE(QFile::exists(iniPath()), answer != QMessageBox::Cancel);
        QCOMPARE(TestFiles::readAll(path).at(0) == '\xFE', answer == QMessageBox::Save);
    }

    void withoutChangesNothingIsAsked()
    {
        load(QStringLiteral("a.bin"), QByteArray(2048, '\xFF'));
        load(QStringLiteral("b.bin"), QByteArray(2048, '\xFF'));
        form->close();
        QVERIFY(m_questions.isEmpty());
        QVERIFY(!form->isVisible());
    }

    void aLoadAsksFirst()
    {
        click(1);
        m_answer = QMessageBox::Cancel;
        load(QStringLiteral("c.bin"), QByteArray(2048, '\0'));
        QCOMPARE(m_questions.size(), 1);
        QCOMPARE(form->ledState(2), LedState::Off); // not loaded: everything as it was
        QCOMPARE(form->ledState(1), LedState::On);
    }

    void exportsFromTheFileMenu()
    {
        load(QStringLiteral("my effect.bin"), QByteArray(2048, '\0'));
        m_savePath = folder->filePath(QStringLiteral("my effect.h"));
        document().exportCArray();
        const QByteArray header = TestFiles::readAll(*m_savePath);
        QVERIFY(header.contains("const unsigned char my_effect[2048] = {\n    /* page 1 */\n"));
        m_savePath = folder->filePath(QStringLiteral("pages.png"));
        document().exportPicture(form->colours());
        const QByteArray png = TestFiles::readAll(*m_savePath);
        QVERIFY(png.startsWith("\x89PNG"));
        QVERIFY2(png.size() < 300 * 1024, qPrintable(QString::number(png.size())));
        QVERIFY(!document().isModified()); // exporting is no saving, and changes nothing
    }

    void pastePage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pasted");
        QTest::newRow("hex from a C array") << "{ " + PageTools::hexText(QByteArray(32, '\0')) + " }" << true;
        QTest::newRow("plain hex digits") << QString(64, QLatin1Char('0')) << true;
        QTest::newRow("anything else") << "hello" << false;
    }
    void pastePage()
    {
        QFETCH(QString, text);
        QFETCH(bool, pasted);
        QApplication::clipboard()->setText(text);
        BoxSeen seen;
        if (!pasted)
            seen.answerNext();
        document().pastePage();
        QCOMPARE(seen.count, pasted ? 0 : 1);
        QCOMPARE(form->image().page(1) == PageTools::filled(), pasted);
        QCOMPARE(history().count(), pasted ? 1 : 0);
    }

    void copyThenPasteOnAnotherPage()
    {
        click(17);
        document().copyPage();
        QCOMPARE(QApplication::clipboard()->text(), PageTools::hexText(PageTools::bytes(form->image().page(1))));
        goToPage(2);
        document().pastePage();
        QCOMPARE(form->image().page(2), form->image().page(1));
        QCOMPARE(form->ledState(17), LedState::On);
    }
};

QTEST_MAIN(TestDocument)
#include "tst_document.moc"
