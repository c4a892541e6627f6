// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "ScreenReader.h"
#include "X11Driver.h"
#include "tests/TestFiles.h"

#include <QTest>
#include <csignal>

// Keeping what was changed, in the real window: an edit saved with Ctrl+S is there at the next
// start, and closing with unsaved edits asks first.
class TestE2ESave : public QObject
{
    Q_OBJECT

private:
    ScreenReader m_screen;

    // Starts the program on a fresh all-off image, clicks its first LED, and waits for it to light.
    bool startAndEdit(X11Driver &driver, const QString &path)
    {
        TestFiles::writeAll(path, QByteArray(2048, '\xFF'));
        if (!driver.start({path}))
            return false;
        QPoint first(-1, -1);
        for (int tries = 0; tries < 100 && first.x() < 0; ++tries)
            first = ScreenReader::findGlyph(X11Driver::grab(driver.mainWindow()), m_screen.glyph(Glyph::RedRing));
        X11Driver::click(driver.mainWindow(), first + QPoint(9, 9));
        for (int tries = 0; tries < 100; ++tries)
            if (m_screen.litCount(X11Driver::grab(driver.mainWindow())) == 1)
                return true;
        return false;
    }

private Q_SLOTS:
    void anEditSavedIsThereAtTheNextStart()
    {
        X11Driver driver;
        const QString path = driver.programDir() + QStringLiteral("/effect.bin");
        QVERIFY(startAndEdit(driver, path));
        X11Driver::keys(driver.mainWindow(), QStringLiteral("ctrl+s")); // over the file loaded
        QTRY_COMPARE_WITH_TIMEOUT(TestFiles::readAll(path).left(1), QByteArray("\xFE"), 5000);
        X11Driver::keys(driver.mainWindow(), QStringLiteral("ctrl+x")); // saved: no question
        QVERIFY(driver.waitForExit());
        QVERIFY(driver.start({path}));
        QTRY_COMPARE_WITH_TIMEOUT(m_screen.litCount(X11Driver::grab(driver.mainWindow())), 1, 5000);
        X11Driver::keys(driver.mainWindow(), QStringLiteral("ctrl+x"));
        QVERIFY(driver.waitForExit());
    }

    void theUnsavedChangesQuestion_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<bool>("saved");
        QTest::newRow("Save") << "alt+s" << true << true;
        QTest::newRow("Discard") << "alt+d" << true << false;
        QTest::newRow("Cancel") << "alt+c" << false << false;
    }
    void theUnsavedChangesQuestion()
    {
        QFETCH(QString, key);
        QFETCH(bool, ends);
        QFETCH(bool, saved);
        X11Driver driver;
        const QString path = driver.programDir() + QStringLiteral("/effect.bin");
        QVERIFY(startAndEdit(driver, path));
        X11Driver::closeBox(driver.mainWindow());
        const qulonglong question = X11Driver::waitForWindow(QStringLiteral("Glimmerview"));
        QVERIFY2(question != 0, "no question");
        X11Driver::keys(question, key);
        QVERIFY(X11Driver::waitForWindowGone(question));
        QCOMPARE(driver.waitForExit(ends ? 10000 : 1000), ends);
        QCOMPARE(TestFiles::readAll(path).at(0) == '\xFE', saved);
        // The settings are written by a close that goes through, and only then.
        QCOMPARE(QFile::exists(driver.programDir() + QStringLiteral("/Glimmerview.ini")), ends);
        if (!ends) {
            QCOMPARE(m_screen.litCount(X11Driver::grab(driver.mainWindow())), 1); // as it was
            ::kill(static_cast<pid_t>(driver.process().processId()), SIGTERM);
            QVERIFY(driver.waitForExit());
        }
    }
};

QTEST_MAIN(TestE2ESave)
#include "tst_e2e_save.moc"
