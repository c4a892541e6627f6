// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "ScreenReader.h"
#include "X11Driver.h"
#include "tests/TestFiles.h"

#include <QTest>
#include <QThread>

namespace {
constexpr int ClientHeight = 528;
constexpr int Right = 3; // X button numbers
constexpr int Left = 1;
} // namespace

// Navigation, editing and the preview in the real window. The image used has k lit LEDs on
// page k (the first k), so what the matrix shows tells which page it is.
class TestE2EPreview : public QObject
{
    Q_OBJECT

private:
    X11Driver m_driver;
    ScreenReader m_screen;
    int m_menuHeight = 0;
    QPoint m_firstGlyph; // top-left of LED 1's glyph, in window coordinates

    qulonglong window() const { return m_driver.mainWindow(); }
    QPoint client(int x, int y) const { return {x, y + m_menuHeight}; }
    QImage grab() const { return X11Driver::grab(window()); }
    QPoint glyphOf(int n) const { return m_firstGlyph + QPoint(24 * ((n - 1) % 16), 24 * ((n - 1) / 16)); }
    QPoint centreOf(int n) const { return glyphOf(n) + QPoint(9, 9); }
    bool ledLit(const QImage &shot, int n) const { return m_screen.litAt(shot, glyphOf(n)); }
    int matrixLit(const QImage &shot) const
    {
        return m_screen.litCount(shot.copy(QRect(client(0, 0), QSize(449, 472))));
    }
    int previewLit(const QImage &shot) const
    {
        return m_screen.litCount(shot.copy(QRect(client(0, 472), QSize(449, 49))));
    }
    QImage positionBox(const QImage &shot) const { return shot.copy(QRect(client(456 + 8, 17), QSize(57, 21))); }

    void enterPage(const QString &typed)
    {
        X11Driver::click(window(), client(456 + 8 + 28, 17 + 10));
        X11Driver::keys(window(), QStringLiteral("End BackSpace BackSpace"));
        X11Driver::type(window(), typed);
        X11Driver::keys(window(), QStringLiteral("Return"));
    }
    void clickButton(QPoint centre) { X11Driver::click(window(), client(centre.x(), centre.y())); }
    void rightDrag(int from, int to)
    {
        X11Driver::moveTo(window(), centreOf(from));
        X11Driver::buttonDown(Right);
        for (int n = from; n <= to; ++n) {
            X11Driver::moveTo(window(), centreOf(n) + QPoint(-4, 0));
            X11Driver::moveTo(window(), centreOf(n) + QPoint(4, 0));
        }
        X11Driver::buttonUp(Right);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_driver.start(), "the main window did not show");
        m_menuHeight = X11Driver::geometry(window()).height() - ClientHeight;
        QByteArray bytes(2048, '\xFF');
        for (int page = 1; page <= 64; ++page)
            for (int i = 0; i < page; ++i)
                bytes[32 * (page - 1) + i / 8] = static_cast<char>(bytes[32 * (page - 1) + i / 8] & ~(1 << (i % 8)));
        const QString path = TestFiles::writeAll(m_driver.programDir() + QStringLiteral("/pages.bin"), bytes);
        QVERIFY(m_driver.loadThroughDialog(path));
        QImage shot;
        QTRY_COMPARE_WITH_TIMEOUT(matrixLit(shot = grab()), 1, 5000);
        m_firstGlyph = ScreenReader::findGlyph(shot, m_screen.glyph(Glyph::RedLit));
        QVERIFY(m_firstGlyph.x() > 0);
    }

    void typedPageNumbers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("page");
        QTest::newRow("7") << "7" << 7;
        QTest::newRow("0 shows page 1") << "0" << 1;
        QTest::newRow("99 shows page 64") << "99" << 64;
        QTest::newRow("letters cannot be typed") << "a5b" << 5;
    }
    void typedPageNumbers()
    {
        QFETCH(QString, typed);
        QFETCH(int, page);
        enterPage(typed);
        QTRY_COMPARE_WITH_TIMEOUT(matrixLit(grab()), page, 3000);
    }

    void upAndDownStayAtTheEnds()
    {
        const QPoint up(456 + 8 + 44, 40 + 12), down(456 + 8 + 44, 64 + 12);
        enterPage(QStringLiteral("63"));
        QTRY_COMPARE_WITH_TIMEOUT(matrixLit(grab()), 63, 3000);
        clickButton(up);
        QTRY_COMPARE_WITH_TIMEOUT(matrixLit(grab()), 64, 3000);
        clickButton(up);
        QThread::msleep(100);
        QCOMPARE(matrixLit(grab()), 64);
        enterPage(QStringLiteral("2"));
        clickButton(down);
        QTRY_COMPARE_WITH_TIMEOUT(matrixLit(grab()), 1, 3000);
        clickButton(down);
        QThread::msleep(100);
        QCOMPARE(matrixLit(grab()), 1);
    }

    void rightDragLightsARowLeftDragOnlyThePressedLed()
    {
        enterPage(QStringLiteral("1"));
        QTRY_COMPARE_WITH_TIMEOUT(matrixLit(grab()), 1, 3000);
        rightDrag(33, 48);
        QTRY_COMPARE_WITH_TIMEOUT(matrixLit(grab()), 17, 3000);
        for (int n = 33; n <= 48; ++n)
            QVERIFY(ledLit(grab(), n));

        X11Driver::moveTo(window(), centreOf(65));
        X11Driver::buttonDown(Left);
        for (int n = 66; n <= 70; ++n)
            X11Driver::moveTo(window(), centreOf(n));
        X11Driver::buttonUp(Left);
        QTRY_COMPARE_WITH_TIMEOUT(matrixLit(grab()), 18, 3000);
        QVERIFY(ledLit(grab(), 65));

        // After a right drag, a move and then a click toggles again.
        rightDrag(81, 84);
        QTRY_COMPARE_WITH_TIMEOUT(matrixLit(grab()), 22, 3000);
        X11Driver::moveTo(window(), centreOf(84) + QPoint(3, 3));
        X11Driver::click(window(), centreOf(84));
        QTRY_COMPARE_WITH_TIMEOUT(matrixLit(grab()), 21, 3000);
        QVERIFY(!ledLit(grab(), 84));
    }

    void editSurvivesUpAndDownAndShowsInThePreview()
    {
        const QPoint up(456 + 8 + 44, 40 + 12), down(456 + 8 + 44, 64 + 12);
        clickButton(up);
        QTRY_VERIFY_WITH_TIMEOUT(!ledLit(grab(), 33), 3000); // page 2 has only LEDs 1 and 2
        clickButton(down);
        QTRY_VERIFY_WITH_TIMEOUT(ledLit(grab(), 33), 3000);
        QCOMPARE(matrixLit(grab()), 21);
        // Row 2 of page 1 is lit across, so the strip lights up fully when it comes round. The
        // clock at its slowest keeps each row up for a second, however slow the screenshots.
        X11Driver::click(window(), client(456 + 20, 208 + 150));
        X11Driver::keys(window(), QStringLiteral("End"));
        clickButton({456 + 8 + 44, 128 + 16 + 8}); // Single page
        QTRY_COMPARE_WITH_TIMEOUT(previewLit(grab()), 16, 5000);
        clickButton({456 + 8 + 44, 128 + 16 + 8});
        QTRY_COMPARE_WITH_TIMEOUT(previewLit(grab()), 0, 3000);
    }

    void multiPageWrapsFromSixtyFourToOne()
    {
        enterPage(QStringLiteral("1"));
        // The clock to the top (50 ms rows); the focus leaves the box, so its text shows plain.
        X11Driver::click(window(), client(456 + 20, 208 + 150));
        X11Driver::keys(window(), QStringLiteral("Home"));
        QThread::msleep(100);
        const QImage pageOneBox = positionBox(grab());
        enterPage(QStringLiteral("64"));
        QTRY_COMPARE_WITH_TIMEOUT(matrixLit(grab()), 64, 3000);
        clickButton({456 + 8 + 44, 128 + 40 + 8}); // Multi page
        // 16 rows of 50 ms later page 1, with its edits, is on the matrix and in the box.
        QTRY_VERIFY_WITH_TIMEOUT(ledLit(grab(), 33) && ledLit(grab(), 1) && !ledLit(grab(), 2), 5000);
        QImage shot = grab();
        QCOMPARE(positionBox(shot), pageOneBox);
        // And on to the next pages (2..32 light LED 2 but not LED 33).
        QTRY_VERIFY_WITH_TIMEOUT(ledLit(grab(), 2) && !ledLit(grab(), 33), 5000);
        // Unticking stops the clock and clears the strip.
        clickButton({456 + 8 + 44, 128 + 40 + 8});
        QTRY_COMPARE_WITH_TIMEOUT(previewLit(grab()), 0, 3000);
        shot = grab();
        QThread::msleep(300);
        QCOMPARE(grab().copy(QRect(client(0, 0), QSize(449, 521))), shot.copy(QRect(client(0, 0), QSize(449, 521))));
    }

    void ctrlXClosesFromThePositionBox()
    {
        X11Driver::click(window(), client(456 + 8 + 28, 17 + 10));
        X11Driver::keys(window(), QStringLiteral("ctrl+x"));
        // The LEDs edited above are not saved: the question comes first, answered Discard.
        const qulonglong question = X11Driver::waitForWindow(QStringLiteral("Glimmerview"));
        QVERIFY2(question != 0, "no question about the unsaved changes");
        X11Driver::keys(question, QStringLiteral("alt+d"));
        QVERIFY(m_driver.waitForExit());
        QCOMPARE(m_driver.process().exitCode(), 0);
    }
};

QTEST_MAIN(TestE2EPreview)
#include "tst_e2e_preview.moc"
