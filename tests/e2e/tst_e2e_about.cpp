// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "ScreenReader.h"
#include "X11Driver.h"
#include "common/BmpDecoder.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QTest>
#include <QThread>

// The About window in the real X server.
class TestE2EAbout : public QObject
{
    Q_OBJECT

private:
    X11Driver m_driver;
    QImage m_picture;
    qulonglong m_about = 0;
    QPoint m_panel; // the first tab panel's corner, in the About window

    qulonglong openAbout()
    {
        X11Driver::keys(m_driver.mainWindow(), QStringLiteral("alt+a")); // "About" by its mnemonic
        return X11Driver::waitForWindow(QStringLiteral("About"));
    }
    // Where the picture stands in the About window, (-1,-1) while it is hidden.
    QPoint picture() const { return ScreenReader::findGlyph(X11Driver::grab(m_about), m_picture); }

private Q_SLOTS:
    void initTestCase()
    {
        m_picture
            = BmpDecoder::load(QStringLiteral(":/resources/AboutPicture.bmp")).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(m_driver.start());
    }

    void opensCentredOnTheFirstTab()
    {
        m_about = openAbout();
        QVERIFY2(m_about, "no About window");
        const QRect frame = X11Driver::geometry(m_about);
        QCOMPARE(frame.size(), QSize(527, 310));
        QVERIFY((frame.center() - QRect(0, 0, 1024, 768).center()).manhattanLength() <= 1);
        QPoint at;
        QTRY_VERIFY_WITH_TIMEOUT((at = picture()).x() >= 0, 3000); // the picture, at its natural size
        m_panel = at - QPoint(352, 8);
    }

    void aRightPressOnTheCreditsScrollsThemForTheirTime()
    {
        // The line height of the window's font, as the program measures it.
        QFont font = QGuiApplication::font();
        font.setPixelSize(11);
        const QFontMetrics metrics(font);
        const int limit = 272 + 18 * (metrics.height() + metrics.leading());
        const double expectedMs = 30.0 * (limit + 1);

        X11Driver::moveTo(m_about, m_panel + QPoint(365, 150)); // the second credits line
        QElapsedTimer clock;
        X11Driver::buttonDown(3);
        clock.start();
        X11Driver::buttonUp(3);
        QTRY_VERIFY_WITH_TIMEOUT(picture().x() < 0, 2000); // the elements step aside
        QTRY_VERIFY_WITH_TIMEOUT(picture().x() >= 0, int(expectedMs) + 5000);
        const double tookMs = clock.elapsed();
        qInfo("credits scrolled for %.0f ms; 30 ms x (limit %d + 1) = %.0f ms", tookMs, limit, expectedMs);
        QVERIFY(tookMs > expectedMs * 0.95);
        QVERIFY(tookMs < expectedMs * 1.10);
    }

    void aMailLinkWithNoMailProgramChangesNothing()
    {
        X11Driver::click(m_about, {140, 12}); // the "Internet" tab
        QTRY_VERIFY_WITH_TIMEOUT(picture().x() < 0, 2000);
        const QImage before = X11Driver::grab(m_about);
        X11Driver::click(m_about, m_panel + QPoint(380, 12)); // the first address
        QThread::msleep(500);
        QCOMPARE(X11Driver::waitForWindow(QStringLiteral("Glimmerview"), 200), 0ull); // no error box
        QVERIFY(X11Driver::geometry(m_about).isValid());
        X11Driver::moveTo(m_about, m_panel + QPoint(200, 200)); // the pointer off the link
        QThread::msleep(100);
        QCOMPARE(X11Driver::grab(m_about).copy(0, 0, 527, 60), before.copy(0, 0, 527, 60));
    }

    void closeAndTheCloseBoxBothClose()
    {
        X11Driver::click(m_about, {50, 12}); // back to "About Program"
        QTRY_VERIFY_WITH_TIMEOUT(picture().x() >= 0, 2000);
        X11Driver::click(m_about, m_panel + QPoint(456 + 27, 240 + 15)); // Close
        QVERIFY(X11Driver::waitForWindowGone(m_about));
        m_about = openAbout();
        QVERIFY(m_about);
        X11Driver::closeBox(m_about);
        QVERIFY(X11Driver::waitForWindowGone(m_about));
    }

    void cleanupTestCase()
    {
        X11Driver::keys(m_driver.mainWindow(), QStringLiteral("ctrl+x"));
        QVERIFY(m_driver.waitForExit());
    }
};

QTEST_MAIN(TestE2EAbout)
#include "tst_e2e_about.moc"
