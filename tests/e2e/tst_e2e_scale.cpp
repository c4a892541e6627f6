// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "ScreenReader.h"
#include "X11Driver.h"

#include <QTest>
#include <QThread>

namespace {
// The 1x picture with every pixel made a 2x2 block: what a pixel-doubled glyph looks like.
QImage doubled(const QImage &picture)
{
    return picture.scaled(picture.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}
} // namespace

// The real window on screens of high resolution: the glyphs drawn for the screen, not blown up,
// and a window larger than the screen still opens with its title and menu bar on it.
class TestE2EScale : public QObject
{
    Q_OBJECT

private:
    ScreenReader m_screen;

private Q_SLOTS:
    void twiceTheResolution()
    {
        X11Driver driver;
        driver.setEnvironment(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        QVERIFY2(driver.start(), "the main window did not show");
        const QRect frame = X11Driver::geometry(driver.mainWindow());
        QVERIFY2(frame.width() > 1024, "larger than the screen"); // 2 x 567 device pixels
        QVERIFY(frame.top() >= 0 && frame.left() >= 0); // title and menu bar on the screen
        const QImage ring1x = m_screen.glyph(Glyph::RedRing);
        const QImage ring2x = GlyphBitmaps::allScales(QStringLiteral(":/resources/BITMAP_7"), true).at(1);
        // The red rings that fit on the screen (the window is taller than it) are the 2x drawing,
        // pixel for pixel, whose edges have detail finer than 2x2 blocks; none is the 1x picture
        // blown up.
        QVERIFY(ring2x != doubled(ring1x));
        QImage shot;
        QTRY_VERIFY_WITH_TIMEOUT(
            ScreenReader::countGlyph(shot = X11Driver::grab(driver.mainWindow()), ring2x) >= 12 * 4,
            5000); // a dozen rows at least, once painted
        QCOMPARE(ScreenReader::countGlyph(shot, doubled(ring1x)), 0);
        X11Driver::keys(driver.mainWindow(), QStringLiteral("ctrl+x"));
        QVERIFY(driver.waitForExit());
    }

    void aFractionalRatio()
    {
        X11Driver driver;
        driver.setEnvironment(QStringLiteral("QT_SCREEN_SCALE_FACTORS"), QStringLiteral("1.5"));
        QVERIFY2(driver.start(), "the main window did not show");
        QTRY_COMPARE_WITH_TIMEOUT(X11Driver::grab(driver.mainWindow()).width(), qRound(567 * 1.5), 5000);
        QThread::msleep(300); // painted
        const QImage shot = X11Driver::grab(driver.mainWindow());
        // Not one glyph is the 1x picture: they are the 2x drawings, scaled down.
        QCOMPARE(m_screen.ringCount(shot), 0);
        QCOMPARE(m_screen.litCount(shot), 0);
        X11Driver::keys(driver.mainWindow(), QStringLiteral("ctrl+x"));
        QVERIFY(driver.waitForExit());
    }
};

QTEST_MAIN(TestE2EScale)
#include "tst_e2e_scale.moc"
