// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "ScreenReader.h"
#include "X11Driver.h"
#include "tests/TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTest>
#include <bit>
#include <csignal>

// Nothing lost when the program is told to end: it ends at once whatever window is open, keeps
// unsaved edits in a recovery copy and offers them at the next start.
class TestE2ERecovery : public QObject
{
    Q_OBJECT

private:
    ScreenReader m_screen;

    // Clicks the first unlit LED and waits until `lit` LEDs show lit.
    bool edit(X11Driver &driver, int lit)
    {
        QPoint ring(-1, -1);
        for (int tries = 0; tries < 100 && ring.x() < 0; ++tries)
            ring = ScreenReader::findGlyph(X11Driver::grab(driver.mainWindow()), m_screen.glyph(Glyph::RedRing));
        X11Driver::click(driver.mainWindow(), ring + QPoint(9, 9));
        for (int tries = 0; tries < 100; ++tries)
            if (m_screen.litCount(X11Driver::grab(driver.mainWindow())) == lit)
                return true;
        return false;
    }
    static QStringList copies(const X11Driver &driver)
    {
        return QDir(driver.recoveryFolder()).entryList({QStringLiteral("*.recovery")}, QDir::Files);
    }
    static void signal(X11Driver &driver, int number)
    {
        ::kill(static_cast<pid_t>(driver.process().processId()), number);
    }

private Q_SLOTS:
    void aSignalEndsTheProgramWhateverWindowIsOpen_data()
    {
        QTest::addColumn<QString>("keys"); // what opens the window
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("edited");
        QTest::newRow("the unsaved-changes question") << "ctrl+x"
                                                      << "Glimmerview" << true;
        QTest::newRow("Save As of an untitled image") << "ctrl+shift+s"
                                                      << "Save As" << true;
        QTest::newRow("the error box") << ""
                                       << "Glimmerview" << false;
        QTest::newRow("Options") << "alt+o"
                                 << "Options" << false;
        QTest::newRow("About") << "alt+a"
                               << "About" << false;
    }
    void aSignalEndsTheProgramWhateverWindowIsOpen()
    {
        QFETCH(QString, keys);
        QFETCH(QString, title);
        QFETCH(bool, edited);
        X11Driver driver;
        // The error box: a file that cannot be read, named on the command line.
        QVERIFY(driver.start(keys.isEmpty() ? QStringList {QStringLiteral("/no/such/effect.bin")} : QStringList()));
        if (edited)
            QVERIFY(edit(driver, 1));
        if (!keys.isEmpty())
            X11Driver::keys(driver.mainWindow(), keys);
        QVERIFY2(X11Driver::waitForWindow(title), qPrintable(title));
        QElapsedTimer clock;
        clock.start();
        signal(driver, SIGTERM);
        QVERIFY(driver.waitForExit(1000));
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(driver.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(driver.process().exitCode(), 0);
        QVERIFY(QFile::exists(driver.programDir() + QStringLiteral("/Glimmerview.ini")));
        QCOMPARE(copies(driver).size(), edited ? 1 : 0);
    }

    // A crash (SIGKILL) a few seconds after an edit: the next start offers the edit back as
    // unsaved, Ctrl+S writes it where it belongs, and the copy goes. A second program running
    // meanwhile never takes the copy of one that still runs.
    void aCopyMadeAfterTheLastEditSurvivesACrash()
    {
        X11Driver driver;
        const QString path
            = TestFiles::writeAll(driver.programDir() + QStringLiteral("/effect.bin"), QByteArray(2048, '\xFF'));
        QVERIFY(driver.start({path}));
        QVERIFY(edit(driver, 1));
        QTRY_COMPARE_WITH_TIMEOUT(copies(driver).size(), 1, 10000);

        X11Driver second;
        second.setEnvironment(
            QStringLiteral("XDG_STATE_HOME"), QFileInfo(driver.recoveryFolder() + "/../..").absoluteFilePath());
        QVERIFY(second.start());
        QCOMPARE(X11Driver::waitForWindow(QStringLiteral("Glimmerview"), 1500), 0ULL); // no question
        signal(second, SIGTERM);
        QVERIFY(second.waitForExit());

        signal(driver, SIGKILL);
        QVERIFY(driver.waitForExit());
        QVERIFY(driver.start());
        const qulonglong question = X11Driver::waitForWindow(QStringLiteral("Glimmerview"));
        QVERIFY2(question, "no recovery question");
        X11Driver::keys(question, QStringLiteral("alt+r"));
        QVERIFY(X11Driver::waitForWindowGone(question));
        QTRY_COMPARE_WITH_TIMEOUT(m_screen.litCount(X11Driver::grab(driver.mainWindow())), 1, 5000);
        X11Driver::keys(driver.mainWindow(), QStringLiteral("ctrl+s"));
        QTRY_COMPARE_WITH_TIMEOUT(TestFiles::readAll(path).left(1), QByteArray("\xFE"), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(copies(driver).size(), 0, 5000);
        X11Driver::keys(driver.mainWindow(), QStringLiteral("ctrl+x")); // saved: no question
        QVERIFY(driver.waitForExit());
    }

    // Settings that cannot be written do not hold a program that was told to end: the reason
    // goes to standard error.
    void unwritableSettingsDoNotHoldAClosingProgram()
    {
        X11Driver driver;
        QVERIFY(QDir(driver.programDir()).mkdir(QStringLiteral("Glimmerview.ini"))); // no file can go there
        driver.setCaptureErrors(true);
        QVERIFY(driver.start());
        signal(driver, SIGTERM);
        QVERIFY(driver.waitForExit(1000));
        QCOMPARE(driver.process().exitCode(), 0);
        QVERIFY2(driver.errorOutput().contains("Unable to write to"), "no word on standard error");
    }

    // A file name that is no UTF-8, given on the command line, is opened and saved as it stands.
    void aFileNameThatIsNoUtf8()
    {
        X11Driver driver;
        const QByteArray name = QFile::encodeName(driver.programDir()) + "/Licht\xFF\xFE.bin";
        QByteArray image(2048, '\xFF');
        image[0] = '\x7F'; // one LED lit
        // Qt's own file names cannot reach it: the C library's calls take the bytes.
        FILE *raw = std::fopen(name.constData(), "wb");
        QVERIFY(raw);
        std::fwrite(image.constData(), 1, image.size(), raw);
        std::fclose(raw);
        QVERIFY(driver.startWithRawArgument(name));
        QTRY_COMPARE_WITH_TIMEOUT(m_screen.litCount(X11Driver::grab(driver.mainWindow())), 1, 5000);
        QVERIFY(edit(driver, 2));
        X11Driver::keys(driver.mainWindow(), QStringLiteral("ctrl+s"));
        const auto saved = [&name] {
            QByteArray bytes(4096, '\0');
            FILE *file = std::fopen(name.constData(), "rb");
            bytes.resize(file ? qsizetype(std::fread(bytes.data(), 1, bytes.size(), file)) : 0);
            if (file)
                std::fclose(file);
            return bytes;
        };
        QTRY_VERIFY_WITH_TIMEOUT(saved() != image, 5000);
        QCOMPARE(saved().size(), 2048);
        int lit = 0; // cleared bits: the LED that was lit and the one clicked
        for (const char byte : saved())
            lit += 8 - std::popcount(static_cast<unsigned char>(byte));
        QCOMPARE(lit, 2);
        X11Driver::keys(driver.mainWindow(), QStringLiteral("ctrl+x"));
        QVERIFY(driver.waitForExit());
    }
};

QTEST_MAIN(TestE2ERecovery)
#include "tst_e2e_recovery.moc"
