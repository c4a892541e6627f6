// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/AppError.h"
#include "document/EffectDocument.h"
#include "effect/ImageEncoder.h"
#include "effect/PageTools.h"
#include "tests/ScriptedPrompts.h"
#include "tests/TestFiles.h"

#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using Answer = DocumentPrompts::Answer;
Q_DECLARE_METATYPE(DocumentPrompts::Answer)

// Saving, the questions it asks, the page tools and the clipboard's page, without a window: the
// prompts are answered by the test.
class TestDocument : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    ScriptedPrompts m_prompts;
    std::unique_ptr<EffectDocument> m_document;

    EffectDocument &document() { return *m_document; }
    const EffectImage &image() const { return m_document->image(); }
    QString pathOf(const char *name) const { return m_folder->filePath(QString::fromUtf8(name)); }
    // LED index of page 1 lit, as a click would, and recorded as one step.
    void light(int index, int page = 1)
    {
        const EffectImage::Page before = image().page(page);
        document().setLed(page, index, EffectImage::On);
        document().recordChange(page, before, QStringLiteral("Toggle LED"));
    }
    QString load(const char *name, const QByteArray &bytes)
    {
        const QString path = TestFiles::writeAll(pathOf(name), bytes);
        document().load(path);
        return path;
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_prompts = ScriptedPrompts();
        m_document = std::make_unique<EffectDocument>(m_prompts);
    }

    void savingMarksThePointUndoReturnsTo()
    {
        const QString path = load("e.bin", QByteArray(2048, '\xFF'));
        QCOMPARE(document().history()->count(), 0); // a load starts the history anew
        light(0);
        QVERIFY(document().isModified());
        QVERIFY(document().save());
        QCOMPARE(m_prompts.savePrompts, 0); // the file that was loaded
        QVERIFY(!document().isModified());
        QCOMPARE(TestFiles::readAll(path).left(2), QByteArray("\xFE\xFF"));
        light(1);
        document().history()->undo();
        QVERIFY(!document().isModified());
        document().history()->undo();
        QVERIFY(document().isModified());
    }

    // Every change of the image is announced, whatever its road: the overview, the comparison and
    // the matrix follow these signals alone.
    void everyChangeIsAnnounced_data()
    {
        QTest::addColumn<QString>("road");
        QTest::addColumn<int>("replaced");
        QTest::addColumn<QList<int>>("pages");
        QTest::newRow("load") << "load" << 1 << QList<int> {};
        QTest::newRow("a file that cannot be read") << "bad load" << 0 << QList<int> {};
        QTest::newRow("recovery copy") << "recover" << 1 << QList<int> {};
        QTest::newRow("an LED") << "led" << 0 << QList<int> {9};
        QTest::newRow("undo turns to its page") << "undo" << 0 << QList<int> {9, 9, 9}; // the LED, its step, the undo
        QTest::newRow("page tool") << "tool" << 0 << QList<int> {5};
    }
    void everyChangeIsAnnounced()
    {
        QFETCH(QString, road);
        QFETCH(int, replaced);
        QFETCH(QList<int>, pages);
        QByteArray bytes(2048, '\xFF');
        bytes[0] = '\x00'; // page 1, row 0 lit
        const QString path = TestFiles::writeAll(pathOf("e.bin"), bytes);
        document().setCurrentPage(5);
        QSignalSpy replacedSpy(&document(), &EffectDocument::imageReplaced);
        QSignalSpy pageSpy(&document(), &EffectDocument::pageChanged);
        if (road == QLatin1String("load")) {
            document().load(path);
        } else if (road == QLatin1String("bad load")) {
            QVERIFY_THROWS_EXCEPTION(AppError, document().load(pathOf("missing.bin")));
        } else if (road == QLatin1String("recover")) {
            document().recover(path, ImageLayout::Bits16, bytes, std::nullopt);
        } else if (road == QLatin1String("led")) {
            document().setLed(9, 3, EffectImage::On);
        } else if (road == QLatin1String("undo")) {
            light(3, 9);
            document().history()->undo();
        } else {
            document().fill();
        }
        QCOMPARE(replacedSpy.size(), replaced);
        QList<int> changed;
        for (const QList<QVariant> &signal : pageSpy)
            changed << signal.at(0).toInt();
        QCOMPARE(changed, pages);
        // A new image starts at page 1 and holds what it was given; undo shows the page it changed.
        const int current = replaced ? 1 : road == QLatin1String("undo") ? 9 : 5;
        QCOMPARE(image().currentPage(), current);
        QCOMPARE(image().page(1)[0] == EffectImage::On, replaced == 1);
    }

    // The tools that move light: along the string (wrapping or not; the 8-LED layout within its
    // 8), mirrored, and in time; each one step that undo takes back whole.
    void toolsMoveLight_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<bool>("eightLeds");
        QTest::addColumn<QList<int>>("lit"); // LED indices of the shown page, row * 16 + column
        QTest::addColumn<QList<int>>("after");
        QTest::newRow("toward LED 1") << "toward" << false << QList<int> {0, 15} << QList<int> {1};
        QTest::newRow("toward LED 1, round") << "rotate toward" << false << QList<int> {0, 15} << QList<int> {0, 1};
        QTest::newRow("away from LED 1") << "away" << false << QList<int> {0, 15} << QList<int> {14};
        QTest::newRow("8 LEDs, round") << "rotate toward" << true << QList<int> {7, 15} << QList<int> {0, 15};
        QTest::newRow("mirror") << "mirror" << false << QList<int> {0, 17} << QList<int> {15, 30};
        QTest::newRow("8 LEDs, mirror") << "mirror" << true << QList<int> {0, 9} << QList<int> {7, 9};
        QTest::newRow("a row earlier") << "earlier" << false << QList<int> {3, 16} << QList<int> {0, 243};
        QTest::newRow("a row later") << "later" << false << QList<int> {240} << QList<int> {0};
        QTest::newRow("reversed") << "reverse" << false << QList<int> {0, 17} << QList<int> {225, 240};
    }
    void toolsMoveLight()
    {
        QFETCH(QString, tool);
        QFETCH(bool, eightLeds);
        QFETCH(QList<int>, lit);
        QFETCH(QList<int>, after);
        EffectImage start;
        start.fillAllPagesOff();
        for (const int index : lit)
            start.setSlotEntry(1, index, EffectImage::On);
        document().replaceImage(start, QString(), eightLeds ? ImageLayout::Bits8 : ImageLayout::Bits16);
        if (tool == QLatin1String("toward") || tool == QLatin1String("away"))
            document().shiftAlong(tool == QLatin1String("toward"), false);
        else if (tool == QLatin1String("rotate toward"))
            document().shiftAlong(true, true);
        else if (tool == QLatin1String("mirror"))
            document().mirror();
        else if (tool == QLatin1String("reverse"))
            document().reverseInTime();
        else
            document().shiftInTime(tool == QLatin1String("earlier"));
        QList<int> nowLit;
        for (int index = 0; index < EffectImage::LedsPerPage; ++index) {
            if (image().page(1)[static_cast<std::size_t>(index)] == EffectImage::On)
                nowLit << index;
        }
        QCOMPARE(nowLit, after);
        QCOMPARE(document().history()->count(), 1);
        document().history()->undo();
        QCOMPARE(image().page(1), start.page(1));
    }

    // Inserting and deleting pages: the image keeps its 64, what would fall off the end is asked
    // about first, and each is one step.
    void pagesAreInsertedAndDeleted_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<bool>("lastLit");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QList<int>>("marks"); // the page whose mark (LED 0 lit) each page shows, 0: unlit
        QList<int> shifted {1, 2, 0};
        for (int page = 3; page < 64; ++page)
            shifted << page;
        QList<int> pulled {1, 2};
        for (int page = 4; page <= 64; ++page)
            pulled << page;
        pulled << 0;
        QList<int> kept;
        for (int page = 1; page <= 64; ++page)
            kept << page;
        QTest::newRow("insert") << "insert" << false << int(Answer::Cancel) << shifted;
        QTest::newRow("insert over lit LEDs, cancelled") << "insert" << true << int(Answer::Cancel) << kept;
        QTest::newRow("insert over lit LEDs, agreed") << "insert" << true << int(Answer::Yes) << shifted;
        QTest::newRow("delete") << "delete" << true << int(Answer::Cancel) << pulled;
    }
    void pagesAreInsertedAndDeleted()
    {
        QFETCH(QString, tool);
        QFETCH(bool, lastLit);
        QFETCH(int, answer);
        QFETCH(QList<int>, marks);
        // Each page marked by its number in its first row's LEDs, so that it is known where it goes.
        EffectImage start;
        start.fillAllPagesOff();
        for (int page = 1; page <= 64; ++page) {
            if (page < 64 || lastLit) {
                for (int bit = 0; bit < 7; ++bit)
                    start.setSlotEntry(page, bit, (page >> bit) & 1 ? EffectImage::On : EffectImage::Off);
                start.setSlotEntry(page, 15, EffectImage::On);
            }
        }
        document().replaceImage(start, QString(), ImageLayout::Bits16);
        document().setCurrentPage(3);
        m_prompts.answer = Answer(answer);
        tool == QLatin1String("insert") ? document().insertRows() : document().deleteRows();
        QCOMPARE(m_prompts.questions.size(), tool == QLatin1String("insert") && lastLit ? 1 : 0);
        QList<int> shown;
        for (int page = 1; page <= 64; ++page) {
            const EffectImage::Page &leds = image().page(page);
            int mark = 0;
            for (int bit = 0; bit < 7; ++bit)
                mark |= leds[static_cast<std::size_t>(bit)] == EffectImage::On ? 1 << bit : 0;
            shown << (leds[15] == EffectImage::On ? mark : 0);
        }
        QCOMPARE(shown, marks);
        if (m_prompts.answer == Answer::Cancel && tool == QLatin1String("insert") && lastLit) {
            QCOMPARE(document().history()->count(), 0); // nothing changed, nothing to undo
            return;
        }
        QCOMPARE(document().history()->count(), 1);
        document().history()->undo();
        for (int page = 1; page <= 64; ++page)
            QCOMPARE(image().page(page), start.page(page));
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
            loaded = load("dump.bin", QByteArray(loadedLength, '\x55'));
        light(2);
        m_prompts.path = pathOf("new.bin8");
        m_prompts.answer = Answer::Save; // the right halves of the dump's rows may go
        QVERIFY(document().save());
        QCOMPARE(m_prompts.savePrompts, 1);
        QCOMPARE(TestFiles::readAll(*m_prompts.path).size(), 1024); // the layout of the name chosen
        if (!loaded.isEmpty())
            QCOMPARE(TestFiles::readAll(loaded), QByteArray(loadedLength, '\x55')); // its tail kept
    }

    // Save As never offers the dump Save refused to cut short, and any file longer than the
    // layout is replaced only when the user says so.
    void aLongerFileIsCutOnlyWhenTheUserSaysSo_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("No") << Answer::No;
        QTest::newRow("Yes") << Answer::Yes;
    }
    void aLongerFileIsCutOnlyWhenTheUserSaysSo()
    {
        QFETCH(Answer, answer);
        const QString dump = load("dump.bin", QByteArray(4096, '\x55'));
        m_prompts.path = dump; // chosen all the same
        light(2);
        m_prompts.answer = answer;
        QCOMPARE(document().save(), answer == Answer::Yes);
        QCOMPARE(m_prompts.suggested, pathOf("dump-1.bin"));
        QCOMPARE(m_prompts.questions,
            QStringList {QStringLiteral("dump.bin holds 4096 bytes; saving keeps only the first 2048. Replace it?")});
        QCOMPARE(TestFiles::readAll(dump).size(), answer == Answer::Yes ? 2048 : 4096);
    }

    void aFileChangedOnDiskIsOverwrittenOnlyWhenTheUserSaysSo_data()
    {
        QTest::addColumn<bool>("replaced"); // another program renamed a new file over it, or rewrote it
        QTest::addColumn<Answer>("answer");
        QTest::newRow("rewritten, Cancel") << false << Answer::Cancel;
        QTest::newRow("replaced, Cancel") << true << Answer::Cancel;
        QTest::newRow("rewritten, Overwrite") << false << Answer::Yes;
    }
    void aFileChangedOnDiskIsOverwrittenOnlyWhenTheUserSaysSo()
    {
        QFETCH(bool, replaced);
        QFETCH(Answer, answer);
        const QString path = load("shared.bin", QByteArray(2048, '\xFF'));
        light(0);
        const QByteArray theirs(2048, '\x0F');
        if (replaced) {
            TestFiles::writeAll(path + QStringLiteral(".new"), theirs);
            QVERIFY(QFile::remove(path) && QFile::rename(path + QStringLiteral(".new"), path));
        } else {
            TestFiles::writeAll(path, theirs);
        }
        m_prompts.answer = answer;
        QCOMPARE(document().save(), answer == Answer::Yes);
        QCOMPARE(m_prompts.questions,
            QStringList {QStringLiteral("shared.bin has changed on disk since it was loaded. Overwrite it?")});
        QCOMPARE(TestFiles::readAll(path) == theirs, answer != Answer::Yes);
        m_prompts.questions.clear();
        if (answer == Answer::Yes) { // the file as written is the one known from now on
            light(1);
            QVERIFY(document().save());
            QVERIFY(m_prompts.questions.isEmpty());
        }
    }

    // Recovered edits keep the stamp the file had when they began: a save asks before it undoes
    // what was written there since (another run's save), and only then.
    void aRecoveredCopyAsksBeforeOverwritingALaterSave_data()
    {
        QTest::addColumn<bool>("changedSince");
        QTest::addColumn<bool>("stampKept"); // a copy of an older run kept none
        QTest::addColumn<bool>("asked");
        QTest::newRow("saved by another run since") << true << true << true;
        QTest::newRow("unchanged since") << false << true << false;
        QTest::newRow("a copy without a stamp") << false << false << true;
    }
    void aRecoveredCopyAsksBeforeOverwritingALaterSave()
    {
        QFETCH(bool, changedSince);
        QFETCH(bool, stampKept);
        QFETCH(bool, asked);
        const QString path = load("shared.bin", QByteArray(2048, '\xFF'));
        light(0);
        const std::optional<FileStamp> whenEditsBegan = document().fileStamp();
        if (changedSince) {
            QTest::qWait(20); // a later time of change, on any file system
            TestFiles::writeAll(path, QByteArray(2048, '\x0F'));
        }
        const QByteArray edits = ImageEncoder::encode(image(), ImageLayout::Bits16);
        m_document = std::make_unique<EffectDocument>(m_prompts); // the next run
        document().recover(path, ImageLayout::Bits16, edits, stampKept ? whenEditsBegan : std::nullopt);
        m_prompts.answer = Answer::Cancel;
        QCOMPARE(document().save(), !asked);
        QCOMPARE(m_prompts.questions.size(), asked ? 1 : 0);
        QCOMPARE(TestFiles::readAll(path) == QByteArray(2048, '\x0F'), changedSince);
    }

    // Saving as an 8-bit image, or exporting one as a C array, holds the left halves only, and
    // says so first.
    void theEightBitLayoutWarnsOfWhatItLoses_data()
    {
        QTest::addColumn<bool>("exporting");
        QTest::newRow("Save As .bin8") << false;
        QTest::newRow("C export of a .bin8") << true;
    }
    void theEightBitLayoutWarnsOfWhatItLoses()
    {
        QFETCH(bool, exporting);
        if (exporting)
            load("half.bin8", QByteArray(1024, '\xFF'));
        document().setCurrentPage(5);
        document().fill();
        light(12, 5); // the right half, which the 8-LED layout's tools leave alone
        m_prompts.path = pathOf(exporting ? "half.h" : "half.bin8");
        m_prompts.answer = Answer::Cancel;
        if (exporting)
            document().exportCArray();
        else
            QVERIFY(!document().saveAs());
        QVERIFY(!QFile::exists(*m_prompts.path));
        QCOMPARE(m_prompts.questions.size(), 1);
        QVERIFY2(m_prompts.questions[0].contains(QStringLiteral("page 5")), qPrintable(m_prompts.questions[0]));
        if (exporting)
            return;
        m_prompts.answer = Answer::Save;
        QVERIFY(document().saveAs());
        QCOMPARE(TestFiles::readAll(*m_prompts.path).mid(4 * 16, 16), QByteArray(16, '\0'));
    }

    void aFailedSaveKeepsTheEdits()
    {
        light(8);
        m_prompts.path = m_folder->path(); // a folder where the file should go
        QVERIFY(!document().saveAs());
        QCOMPARE(m_prompts.errors.size(), 1);
        QVERIFY(m_prompts.errors[0].startsWith(QStringLiteral("Cannot save \"%1\": ").arg(m_folder->path())));
        QVERIFY(document().isModified());
        QCOMPARE(image().page(1)[8], EffectImage::On);
    }

    void pasteRows_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pasted");
        QTest::newRow("hex from a C array") << "{ " + PageTools::hexText(QByteArray(32, '\0')) + " }" << true;
        QTest::newRow("plain hex digits") << QString(64, QLatin1Char('0')) << true;
        QTest::newRow("anything else") << "hello" << false;
    }
    void pasteRows()
    {
        QFETCH(QString, text);
        QFETCH(bool, pasted);
        QMimeData data;
        data.setText(text);
        document().pasteRows(&data);
        QCOMPARE(m_prompts.errors.size(), pasted ? 0 : 1);
        QCOMPARE(image().page(1) == PageTools::filled(), pasted);
        QCOMPARE(document().history()->count(), pasted ? 1 : 0);
    }

    // With rows chosen the tools act on them, across pages, and not on the shown page; a new image
    // lets them go.
    void toolsActOnTheChosenRows_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QList<int>>("lit"); // the LEDs lit after, as page * 1000 + index
        QList<int> filled;
        for (int index = 224; index < 256; ++index)
            filled << 1000 + index;
        for (int index = 0; index < 16; ++index)
            filled << 2000 + index;
        QTest::newRow("fill") << "fill" << filled;
        QTest::newRow("repeat the first row") << "repeat" << QList<int> {1224, 1240, 2000};
        QTest::newRow("insert") << "insert" << QList<int> {2016, 2048};
        QTest::newRow("paste a row on") << "paste" << QList<int> {1224, 1240, 2016};
    }
    void toolsActOnTheChosenRows()
    {
        QFETCH(QString, tool);
        QFETCH(QList<int>, lit);
        light(224); // page 1, row 14
        light(0, 2); // page 2, row 0
        document().setCurrentPage(5);
        document().setSelection(RowSelection::rows(14, 16));
        m_prompts.number = 1;
        if (tool == QLatin1String("fill")) {
            document().fill();
        } else if (tool == QLatin1String("repeat")) {
            document().repeatRows();
        } else if (tool == QLatin1String("insert")) {
            document().insertRows();
        } else {
            const std::unique_ptr<QMimeData> copied(document().copyRows());
            document().setSelection(RowSelection::rows(15, 15));
            document().pasteRows(copied.get());
        }
        QList<int> shown;
        for (int page = 1; page <= 64; ++page) {
            for (int index = 0; index < 256; ++index) {
                if (image().page(page)[static_cast<std::size_t>(index)] == EffectImage::On)
                    shown << page * 1000 + index;
            }
        }
        QCOMPARE(shown, lit);
        QCOMPARE(document().history()->count(), 3);
        load("next.bin", QByteArray(2048, '\xFF'));
        QVERIFY(document().selection().isEmpty());
    }

    void copyThenPasteOnAnotherPage()
    {
        light(16);
        const std::unique_ptr<QMimeData> copied(document().copyRows());
        QCOMPARE(copied->text(), PageTools::hexText(PageTools::bytes(image().page(1))));
        copied->setText(QStringLiteral("not what is pasted: the page's own form comes first"));
        document().setCurrentPage(2);
        document().pasteRows(copied.get());
        QCOMPARE(image().page(2), image().page(1));
    }
};

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
