// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "ScreenReader.h"
#include "X11Driver.h"
#include "tests/TestFiles.h"

#include <QDir>
#include <QTest>
#include <QThread>
#include <csignal>

namespace {
using TestFiles::readAll;
constexpr int ClientHeight = 528;

QString valueOf(const QByteArray &ini, const char *key)
{
    for (const QByteArray &line : ini.split('\n')) {
        if (line.startsWith(QByteArray(key) + '='))
            return QString::fromUtf8(line.mid(qstrlen(key) + 1)).trimmed();
    }
    return QStringLiteral("<none>");
}
} // namespace

// Settings in the real window: the file is made at the first close, and the next start gives
// back the corner, the clock and the colours. Each test starts the program anew in one folder.
class TestE2ESettings : public QObject
{
    Q_OBJECT

private:
    X11Driver m_driver;
    ScreenReader m_screen;

    qulonglong window() const { return m_driver.mainWindow(); }
    QString iniPath() const { return m_driver.programDir() + QStringLiteral("/Glimmerview.ini"); }
    QPoint client(int x, int y) const { return {x, y + X11Driver::geometry(window()).height() - ClientHeight}; }
    int greenRings() const
    {
        return ScreenReader::countGlyph(X11Driver::grab(window()), m_screen.glyph(Glyph::GreenRing));
    }
    qulonglong openOptions()
    {
        X11Driver::keys(window(), QStringLiteral("alt+o")); // "Options" by its mnemonic
        return X11Driver::waitForWindow(QStringLiteral("Options"));
    }

private Q_SLOTS:
    void init() { QVERIFY2(m_driver.start(), "the main window did not show"); }
    void cleanup()
    {
        if (m_driver.process().state() != QProcess::NotRunning) {
            X11Driver::keys(window(), QStringLiteral("ctrl+x"));
            m_driver.waitForExit();
        }
    }

    void theCloseBoxMakesTheFileInOrder()
    {
        QVERIFY(!QFile::exists(iniPath()));
        X11Driver::closeBox(window());
        QVERIFY(m_driver.waitForExit());
        const QByteArray ini = readAll(iniPath());
        QVERIFY(ini.startsWith("[TForm1]\r\nled_col1=1\r\nled_col2=2\r\n"));
        const qsizetype last = ini.indexOf("led_col17=");
        QVERIFY(last < ini.indexOf("FormVersion=0") && ini.indexOf("FormVersion=0") < ini.indexOf("Flags="));
        QVERIFY(ini.indexOf("NormPos=") < ini.indexOf("Visible=0"));
        QVERIFY(ini.indexOf("OpenDialog_DefaultExt=*.bin") < ini.indexOf("TrackBar1_Position=10"));
        QVERIFY(ini.indexOf("TrackBar1_Position=10") < ini.indexOf("OpenDialog_InitialDir="));
        QCOMPARE(valueOf(ini, "OpenDialog_InitialDir"), m_driver.programDir() + QStringLiteral("//"));
        QVERIFY(ini.contains("MinMaxPos(1024x768)="));
    }

    // A kill, a hang-up or Ctrl+C ends the program as a close does, and as a success.
    void aTerminationSignalClosesAndSaves_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("SIGINT") << SIGINT;
    }
    void aTerminationSignalClosesAndSaves()
    {
        QFETCH(int, signalNumber);
        QFile::remove(iniPath());
        QCOMPARE(::kill(static_cast<pid_t>(m_driver.process().processId()), signalNumber), 0);
        QVERIFY(m_driver.waitForExit());
        QCOMPARE(m_driver.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_driver.process().exitCode(), 0);
        const QByteArray ini = readAll(iniPath());
        QVERIFY(ini.startsWith("[TForm1]\r\nled_col1=1\r\n"));
        QCOMPARE(valueOf(ini, "Visible"), QStringLiteral("0")); // as a close writes it
    }

    void cornerClockAndColoursComeBack()
    {
        xdotoolMove(200, 150);
        QTRY_COMPARE_WITH_TIMEOUT(X11Driver::geometry(window()).topLeft(), QPoint(200, 150), 3000);
        // The clock to 15: to the top, then 14 steps down.
        X11Driver::click(window(), client(456 + 20, 208 + 150));
        X11Driver::keys(window(), QStringLiteral("Home") + QStringLiteral(" Down").repeated(14));
        QTRY_COMPARE_WITH_TIMEOUT(greenRings(), 64 + 4, 3000);
        const qulonglong options = openOptions();
        QVERIFY(options);
        X11Driver::click(options, {8 + 8 + 11, 8 + 19 + 11}); // column 1's button: red to green
        X11Driver::keys(options, QStringLiteral("Return")); // OK
        QVERIFY(X11Driver::waitForWindowGone(options));
        QTRY_COMPARE_WITH_TIMEOUT(greenRings(), 64 + 16 + 4 + 1, 3000); // column 1 and preview LED 1
        X11Driver::keys(window(), QStringLiteral("ctrl+x"));
        QVERIFY(m_driver.waitForExit());
        const QByteArray ini = readAll(iniPath());
        QCOMPARE(valueOf(ini, "TrackBar1_Position"), QStringLiteral("15"));
        QCOMPARE(valueOf(ini, "led_col1"), QStringLiteral("2"));
        QVERIFY(valueOf(ini, "NormPos").startsWith(QStringLiteral("200,150,")));

        QVERIFY(m_driver.start());
        QCOMPARE(X11Driver::geometry(window()).topLeft(), QPoint(200, 150));
        QTRY_COMPARE_WITH_TIMEOUT(greenRings(), 64 + 16 + 4 + 1, 3000);
    }

    void optionsDroppedByEscOrTheCloseBox()
    {
        QTRY_VERIFY_WITH_TIMEOUT(greenRings() > 0, 3000); // painted
        const int before = greenRings();
        for (int how = 0; how < 2; ++how) {
            const qulonglong options = openOptions();
            QVERIFY(options);
            X11Driver::click(options, {8 + 8 + 24 + 11, 8 + 19 + 11}); // column 2's button
            if (how == 0)
                X11Driver::keys(options, QStringLiteral("Escape"));
            else
                X11Driver::closeBox(options);
            QVERIFY(X11Driver::waitForWindowGone(options));
            QThread::msleep(100);
            QCOMPARE(greenRings(), before);
        }
    }

    void optionsCyclesAndTheBlankStyle()
    {
        QTRY_VERIFY_WITH_TIMEOUT(greenRings() > 0, 3000);
        const QImage before = X11Driver::grab(window());
        qulonglong options = openOptions();
        QVERIFY(options);
        for (int click = 0; click < 4; ++click) // four clicks bring a colour back
            X11Driver::click(options, {8 + 56 + 11, 8 + 19 + 11});
        for (int click = 0; click < 3; ++click) // three bring the off-LED style back
            X11Driver::click(options, {8 + 48 + 11, 8 + 55 + 11});
        X11Driver::keys(options, QStringLiteral("Return"));
        QVERIFY(X11Driver::waitForWindowGone(options));
        QThread::msleep(100);
        QCOMPARE(m_screen.ringCount(X11Driver::grab(window())), m_screen.ringCount(before));

        options = openOptions();
        X11Driver::click(options, {8 + 48 + 11, 8 + 55 + 11});
        X11Driver::click(options, {8 + 48 + 11, 8 + 55 + 11}); // blank
        X11Driver::keys(options, QStringLiteral("Return"));
        QVERIFY(X11Driver::waitForWindowGone(options));
        QTRY_COMPARE_WITH_TIMEOUT(m_screen.ringCount(X11Driver::grab(window())), 0, 3000); // unlit LEDs: empty faces
        options = openOptions();
        X11Driver::click(options, {8 + 48 + 11, 8 + 55 + 11}); // back to the ring
        X11Driver::keys(options, QStringLiteral("Return"));
        QVERIFY(X11Driver::waitForWindowGone(options));
        QTRY_COMPARE_WITH_TIMEOUT(m_screen.ringCount(X11Driver::grab(window())), 256 + 16, 3000);
    }

    void aHandEditedFileStartsAndIsWrittenBack()
    {
        X11Driver::keys(window(), QStringLiteral("ctrl+x"));
        QVERIFY(m_driver.waitForExit());
        QByteArray ini = readAll(iniPath());
        ini.replace("led_col1=2", "led_col1=1")
            .replace("led_col2=2", "led_col2=-1")
            .replace("led_col3=3", "led_col3=6");
        ini.replace("led_col4=4", "led_col4=abc").replace("TrackBar1_Position=15", "TrackBar1_Position=25");
        TestFiles::writeAll(iniPath(), ini);
        QVERIFY(m_driver.start());
        // Columns 2 (255) and 3 (6) fall back to the red ring; column 4 keeps its yellow.
        const auto redRings
            = [this] { return ScreenReader::countGlyph(X11Driver::grab(window()), m_screen.glyph(Glyph::RedRing)); };
        QTRY_COMPARE_WITH_TIMEOUT(redRings(), 4 * 16 + 2 * 16 + 6, 3000);
        QCOMPARE(ScreenReader::countGlyph(X11Driver::grab(window()), m_screen.glyph(Glyph::YellowRing)), 4 * 16 + 4);
        X11Driver::keys(window(), QStringLiteral("ctrl+x"));
        QVERIFY(m_driver.waitForExit());
        const QByteArray after = readAll(iniPath());
        QCOMPARE(valueOf(after, "led_col2"), QStringLiteral("255"));
        QCOMPARE(valueOf(after, "led_col3"), QStringLiteral("6"));
        QCOMPARE(valueOf(after, "led_col4"), QStringLiteral("4"));
        QCOMPARE(valueOf(after, "TrackBar1_Position"), QStringLiteral("20"));
        QVERIFY(m_driver.start()); // for the next test
    }

    void aSettingsFileThatCannotBeWrittenStillLetsTheUserQuit()
    {
        X11Driver::keys(window(), QStringLiteral("ctrl+x"));
        QVERIFY(m_driver.waitForExit());
        QVERIFY(QFile::remove(iniPath()));
        QVERIFY(QDir(m_driver.programDir()).mkdir(QStringLiteral("Glimmerview.ini")));
        QVERIFY(m_driver.start());
        X11Driver::keys(window(), QStringLiteral("ctrl+x"));
        const qulonglong box = X11Driver::waitForWindow(QStringLiteral("Glimmerview"));
        QVERIFY2(box, "no error box");
        X11Driver::keys(box, QStringLiteral("Return"));
        QVERIFY(m_driver.waitForExit());
        QCOMPARE(m_driver.process().exitCode(), 0);
        QVERIFY(QFileInfo(iniPath()).isDir());
        QVERIFY(QDir(m_driver.programDir()).rmdir(QStringLiteral("Glimmerview.ini")));
    }

private:
    void xdotoolMove(int x, int y)
    {
        X11Driver::xdotool(
            {QStringLiteral("windowmove"), QString::number(window()), QString::number(x), QString::number(y)});
    }
};

QTEST_MAIN(TestE2ESettings)
#include "tst_e2e_settings.moc"
