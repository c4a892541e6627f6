// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "ScreenReader.h"
#include "X11Driver.h"
#include "tests/TestFiles.h"

#include <QRegularExpression>
#include <QTest>
#include <QThread>

namespace {
constexpr QSize ClientSize {567, 528};

QByteArray withHead(qsizetype size, const QByteArray &head, char rest = '\xFF')
{
    QByteArray bytes(size, rest);
    bytes.replace(0, head.size(), head);
    return bytes.left(size);
}
} // namespace

class TestE2EMainWindow : public QObject
{
    Q_OBJECT

private:
    X11Driver m_driver;
    ScreenReader m_screen;
    int m_menuHeight = 0;

    int litCount(const QImage &shot) const { return m_screen.litCount(shot); }
    int ringCount(const QImage &shot) const { return m_screen.ringCount(shot); }
    QPoint client(int x, int y) const { return {x, y + m_menuHeight}; }

private Q_SLOTS:
    void initTestCase()
    {
        // The designed window alone: the overview beside it closed, as a user may leave it.
        TestFiles::writeAll(
            m_driver.programDir() + QStringLiteral("/Glimmerview.ini"), "[Glimmerview]\r\nOverview=0\r\n");
        QVERIFY2(m_driver.start(), "the main window did not show");
        const QRect frame = X11Driver::geometry(m_driver.mainWindow());
        m_menuHeight = frame.height() - ClientSize.height();
        QVERIFY(m_menuHeight > 10 && m_menuHeight < 60);
    }

    // Docks and task bars match the window's class with the desktop entry's StartupWMClass.
    void theWindowClassIsTheDesktopEntrys()
    {
        QFile entry(QStringLiteral(SOURCE_DIR "/resources/desktop/example.glimmerview.Glimmerview.desktop"));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QRegularExpressionMatch wmClass
            = QRegularExpression(QStringLiteral("\nStartupWMClass=(\\S+)\n")).match(QString::fromUtf8(entry.readAll()));
        QVERIFY(wmClass.hasMatch());
        const QString property = X11Driver::xprop(m_driver.mainWindow(), QStringLiteral("WM_CLASS"));
        QVERIFY2(
            property.trimmed().endsWith(QStringLiteral(", \"%1\"").arg(wmClass.captured(1))), qPrintable(property));
    }

    void windowIsFixedWithoutMinimiseOrMaximise()
    {
        const QRect frame = X11Driver::geometry(m_driver.mainWindow());
        QCOMPARE(frame.width(), ClientSize.width());
        const QString hints = X11Driver::xprop(m_driver.mainWindow(), QStringLiteral("WM_NORMAL_HINTS"));
        const QString size = QStringLiteral("%1 by %2").arg(frame.width()).arg(frame.height());
        QVERIFY2(hints.contains(QStringLiteral("minimum size: ") + size), qPrintable(hints));
        QVERIFY2(hints.contains(QStringLiteral("maximum size: ") + size), qPrintable(hints));
        // Motif hints: flags, functions, decorations. No minimise (0x8 / 0x20) or maximise (0x10 / 0x40).
        const QString motif = X11Driver::xprop(m_driver.mainWindow(), QStringLiteral("_MOTIF_WM_HINTS"));
        const QRegularExpressionMatch m
            = QRegularExpression(QStringLiteral("= (0x[0-9a-f]+), (0x[0-9a-f]+), (0x[0-9a-f]+)")).match(motif);
        QVERIFY2(m.hasMatch(), qPrintable(motif));
        const uint flags = m.captured(1).toUInt(nullptr, 16);
        const uint functions = m.captured(2).toUInt(nullptr, 16);
        const uint decorations = m.captured(3).toUInt(nullptr, 16);
        QVERIFY(flags & 0x1 ? !(functions & 0x18) : false);
        QVERIFY(flags & 0x2 ? !(decorations & 0x60) : false);
    }

    void startsWithEveryLedOff()
    {
        const QImage shot = X11Driver::grab(m_driver.mainWindow());
        QCOMPARE(shot.size(), QSize(567, 528 + m_menuHeight));
        QCOMPARE(litCount(shot), 0);
        QCOMPARE(ringCount(shot), 256 + 16);
        // Default colours: the rings repeat red, green, blue, yellow across 17 columns' worth of LEDs.
        QCOMPARE(ScreenReader::countGlyph(shot, m_screen.glyph(Glyph::RedRing)), 64 + 4);
        QCOMPARE(ScreenReader::countGlyph(shot, m_screen.glyph(Glyph::YellowRing)), 64 + 4);
    }

    void loadThroughTheDialog_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("lit");
        QTest::newRow(".bin, ends of row 0 off") << "a.bin" << withHead(2048, "\x01\x80") << 14;
        QTest::newRow(".bin16 reads the same") << "a.bin16" << withHead(2048, "\x01\x80") << 14;
        QTest::newRow(".bin8: 0xFE then a full half row") << "a.bin8" << withHead(1024, QByteArray("\xFE\x00", 2)) << 9;
        QTest::newRow(".BIN all on") << "b.BIN" << QByteArray(2048, '\0') << 256;
        QTest::newRow("100 bytes: rest erased") << "short.bin" << QByteArray(100, '\x0F') << 128;
        QTest::newRow("empty file: all off") << "empty.bin" << QByteArray() << 0;
        QTest::newRow(".rom in the 16-bit layout") << "c.rom" << withHead(2048, QByteArray(32, '\0')) << 256;
    }
    void loadThroughTheDialog()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(int, lit);
        const QString path = TestFiles::writeAll(m_driver.programDir() + QLatin1Char('/') + name, bytes);
        QVERIFY(m_driver.loadThroughDialog(path));
        QTRY_COMPARE_WITH_TIMEOUT(litCount(X11Driver::grab(m_driver.mainWindow())), lit, 5000);
        QCOMPARE(ringCount(X11Driver::grab(m_driver.mainWindow())), 256 - lit + 16);
    }

    void hiddenNoiseShowsOnlyInTheGaps()
    {
        // Focus the clock slider by clicking its thumb, then the secret keys.
        X11Driver::click(m_driver.mainWindow(), client(456 + 8 + 12, 208 + 16 + 144));
        X11Driver::keys(m_driver.mainWindow(), QStringLiteral("ctrl+alt+shift+u"));
        const QRect gaps(client(449, 0), QSize(7, 521)); // between the matrix and the right-hand column
        const QRect matrix(client(0, 0), QSize(449, 521)); // both groups on the left
        const auto grab = [this] { return X11Driver::grab(m_driver.mainWindow()); };
        const QImage before = grab();
        QTRY_VERIFY_WITH_TIMEOUT(grab().copy(gaps) != before.copy(gaps), 3000);
        const QImage first = grab();
        QTRY_VERIFY_WITH_TIMEOUT(grab().copy(gaps) != first.copy(gaps), 3000); // it moves
        const QImage second = grab();
        QCOMPARE(second.copy(matrix), first.copy(matrix)); // never through the controls
        QVERIFY(second.copy(gaps) != first.copy(gaps));

        X11Driver::keys(m_driver.mainWindow(), QStringLiteral("ctrl+alt+shift+u"));
        QThread::msleep(100);
        const QImage stopped = X11Driver::grab(m_driver.mainWindow());
        QThread::msleep(100);
        QCOMPARE(X11Driver::grab(m_driver.mainWindow()), stopped);
    }

    void ctrlXCloses()
    {
        X11Driver::keys(m_driver.mainWindow(), QStringLiteral("ctrl+x"));
        QVERIFY(m_driver.waitForExit());
        QCOMPARE(m_driver.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_driver.process().exitCode(), 0);
    }

    void aFileOnTheCommandLineIsShown()
    {
        const QString path
            = TestFiles::writeAll(m_driver.programDir() + QStringLiteral("/given.bin"), withHead(2048, "\x01\x80"));
        QVERIFY(m_driver.start({path}));
        QTRY_COMPARE_WITH_TIMEOUT(litCount(X11Driver::grab(m_driver.mainWindow())), 14, 5000);
        X11Driver::keys(m_driver.mainWindow(), QStringLiteral("ctrl+x"));
        QVERIFY(m_driver.waitForExit());
    }

    void aFileOnTheCommandLineThatCannotBeReadGivesTheErrorBox()
    {
        QVERIFY(m_driver.start({m_driver.programDir() + QStringLiteral("/missing.bin")}));
        const qulonglong box = X11Driver::waitForWindow(QStringLiteral("Glimmerview"));
        QVERIFY2(box != 0, "no error box");
        X11Driver::keys(box, QStringLiteral("Return"));
        QVERIFY(X11Driver::waitForWindowGone(box));
        QCOMPARE(litCount(X11Driver::grab(m_driver.mainWindow())), 0);
        X11Driver::keys(m_driver.mainWindow(), QStringLiteral("ctrl+x"));
        QVERIFY(m_driver.waitForExit());
        QCOMPARE(m_driver.process().exitCode(), 0);
    }
};

QTEST_MAIN(TestE2EMainWindow)
#include "tst_e2e_mainwindow.moc"
