// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "FormFixture.h"
#include "document/EffectDocument.h"
#include "effect/PageTools.h"
#include "tests/ScriptedPrompts.h"
#include "tests/TestFiles.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QUndoStack>

// The edit history, the title and the question about unsaved changes in the real window; the
// file dialog and the question are answered by the test.
class TestDocumentWindow : public QObject, private FormFixture
{
    Q_OBJECT

private:
    ScriptedPrompts m_prompts;

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
        form->document().setCurrentPage(page);
        form->showCurrentPage();
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(createShown());
        m_prompts = ScriptedPrompts();
        document().setPrompts(m_prompts);
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
        document().fill();
        goToPage(7);
        history().undo();
        QCOMPARE(form->image().currentPage(), 3);
        QCOMPARE(form->findChild<QLineEdit *>(QStringLiteral("position"))->text(), QStringLiteral("3"));
        QCOMPARE(form->image().page(3), PageTools::cleared());
        history().redo();
        QCOMPARE(form->image().page(3), PageTools::filled());
        QCOMPARE(form->ledState(256), LedState::On);
        document().invert();
        QCOMPARE(form->image().page(3), PageTools::cleared());
        document().clear(); // no change: no step
        QCOMPARE(history().count(), 2);
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

    // File › New: the unsaved changes question first, then every LED unlit, no file, the layout
    // asked for.
    void newStartsAnUnlitImage_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("layout");
        QTest::newRow("Ctrl+N") << "newAction" << int(ImageLayout::Bits16);
        QTest::newRow("8 LEDs") << "newEightLedAction" << int(ImageLayout::Bits8);
    }
    void newStartsAnUnlitImage()
    {
        QFETCH(QString, action);
        QFETCH(int, layout);
        load(QStringLiteral("e.bin"), QByteArray(2048, '\0')); // every LED lit
        click(1);
        m_prompts.answer = DocumentPrompts::Answer::Cancel;
        form->findChild<QAction *>(action)->trigger();
        QCOMPARE(m_prompts.questions.size(), 1);
        QCOMPARE(form->image().page(1)[1], EffectImage::On); // kept
        m_prompts.answer = DocumentPrompts::Answer::Discard;
        form->findChild<QAction *>(action)->trigger();
        for (int page = 1; page <= EffectImage::PageCount; ++page)
            QCOMPARE(form->image().page(page), PageTools::cleared());
        QVERIFY(document().path().isEmpty());
        QCOMPARE(int(document().layout()), layout);
        QVERIFY(!document().isModified());
    }

    // The title names the file and marks unsaved edits; without a file it is the program's, until
    // an edit that Exit would ask about.
    void theTitleNamesTheFileAndItsEdits()
    {
        const QString program = QStringLiteral("Glimmerview FINAL Version");
        QCOMPARE(form->windowTitle(), program);
        click(1);
        QCOMPARE(form->windowTitle(), QStringLiteral("Untitled[*] \u2014 ") + program);
        QVERIFY(form->isWindowModified());
        history().undo();
        QCOMPARE(form->windowTitle(), program);
        load(QStringLiteral("e.bin"), QByteArray(2048, '\xFF'));
        QCOMPARE(form->windowTitle(), QStringLiteral("e.bin[*] \u2014 ") + program);
        QVERIFY(!form->isWindowModified());
        click(1);
        QVERIFY(form->isWindowModified());
        m_prompts.path = folder->filePath(QStringLiteral("other.bin"));
        QVERIFY(document().saveAs());
        QCOMPARE(form->windowTitle(), QStringLiteral("other.bin[*] \u2014 ") + program);
        QVERIFY(!form->isWindowModified());
    }

    // Closing with unsaved changes: Save writes them, Discard drops them, Cancel keeps the window
    // open and writes nothing, not even the settings.
    void theUnsavedChangesQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("Save") << int(DocumentPrompts::Answer::Save);
        QTest::newRow("Discard") << int(DocumentPrompts::Answer::Discard);
        QTest::newRow("Cancel") << int(DocumentPrompts::Answer::Cancel);
    }
    void theUnsavedChangesQuestion()
    {
        QFETCH(int, answer);
        const QString path = load(QStringLiteral("q.bin"), QByteArray(2048, '\xFF'));
        click(1);
        m_prompts.answer = static_cast<DocumentPrompts::Answer>(answer);
        form->close();
        QCOMPARE(m_prompts.questions, QStringList {QStringLiteral("Save changes to q.bin?")});
        QCOMPARE(form->isVisible(), m_prompts.answer == DocumentPrompts::Answer::Cancel);
        QCOMPARE(QFile::exists(iniPath()), m_prompts.answer != DocumentPrompts::Answer::Cancel);
        QCOMPARE(TestFiles::readAll(path).at(0) == '\xFE', m_prompts.answer == DocumentPrompts::Answer::Save);
    }

    void withoutChangesNothingIsAsked()
    {
        load(QStringLiteral("a.bin"), QByteArray(2048, '\xFF'));
        load(QStringLiteral("b.bin"), QByteArray(2048, '\xFF'));
        form->close();
        QVERIFY(m_prompts.questions.isEmpty());
        QVERIFY(!form->isVisible());
    }

    void aLoadAsksFirst()
    {
        click(1);
        m_prompts.answer = DocumentPrompts::Answer::Cancel;
        load(QStringLiteral("c.bin"), QByteArray(2048, '\0'));
        QCOMPARE(m_prompts.questions.size(), 1);
        QCOMPARE(form->ledState(2), LedState::Off); // not loaded: everything as it was
        QCOMPARE(form->ledState(1), LedState::On);
    }

    void exportsFromTheFileMenu()
    {
        load(QStringLiteral("my effect.bin"), QByteArray(2048, '\0'));
        m_prompts.path = folder->filePath(QStringLiteral("my effect.h"));
        document().exportCArray();
        const QByteArray header = TestFiles::readAll(*m_prompts.path);
        QVERIFY(header.contains("const unsigned char my_effect[2048] = {\n    /* page 1 */\n"));
        m_prompts.path = folder->filePath(QStringLiteral("pages.png"));
        document().exportPicture(form->colours());
        const QByteArray png = TestFiles::readAll(*m_prompts.path);
        QVERIFY(png.startsWith("\x89PNG"));
        QVERIFY2(png.size() < 300 * 1024, qPrintable(QString::number(png.size())));
        QVERIFY(!document().isModified()); // exporting is no saving, and changes nothing
    }

    // File › Export as C Array asks for its options first: here, 16-bit words kept in flash.
    void theCArraysOptions()
    {
        load(QStringLiteral("e.bin"), QByteArray(2048, '\0'));
        m_prompts.path = folder->filePath(QStringLiteral("e.h"));
        QTimer::singleShot(0, qApp, [] {
            auto *options = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(options && options->objectName() == QLatin1String("cArrayOptions"));
            options->findChild<QComboBox *>(QStringLiteral("values"))->setCurrentText(QStringLiteral("words"));
            options->findChild<QCheckBox *>(QStringLiteral("progmem"))->setChecked(true);
            options->accept();
        });
        triggerMenu("exportCArrayAction");
        QVERIFY(TestFiles::readAll(*m_prompts.path).contains("const unsigned short e[1024] PROGMEM = {"));
    }

    void copyThenPasteOnAnotherPage()
    {
        click(17);
        triggerMenu("copyAction");
        QCOMPARE(QApplication::clipboard()->text(), PageTools::hexText(PageTools::bytes(form->image().page(1))));
        goToPage(2);
        triggerMenu("pasteAction");
        QCOMPARE(form->image().page(2), form->image().page(1));
        QCOMPARE(form->ledState(17), LedState::On);
    }
};

QTEST_MAIN(TestDocumentWindow)
#include "tst_documentwindow.moc"
