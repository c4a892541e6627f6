// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "X11Driver.h"

#include <QRegularExpression>
#include <QTest>

// The real program under a German locale: each of its windows opens with its German caption.
class TestE2EGerman : public QObject
{
    Q_OBJECT

private:
    X11Driver m_driver;

private Q_SLOTS:
    void initTestCase()
    {
        m_driver.setEnvironment(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
        m_driver.setMainTitlePattern(QStringLiteral("^Glimmerview FINAL-Version$"));
        QVERIFY2(m_driver.start(), "no main window titled in German");
    }

    void eachWindowOpensWithItsGermanCaption_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("title");
        QTest::newRow("Options, by its German mnemonic") << "alt+o"
                                                         << "Optionen";
        QTest::newRow("About, by its German mnemonic") << "alt+i"
                                                       << "Info";
        QTest::newRow("the Load dialog") << "ctrl+l"
                                         << "Öffnen";
    }
    void eachWindowOpensWithItsGermanCaption()
    {
        QFETCH(QString, keys);
        QFETCH(QString, title);
        X11Driver::keys(m_driver.mainWindow(), keys);
        // xdotool matches names as bytes of the C locale: a letter beyond ASCII is any bytes.
        QString pattern;
        for (const QChar letter : title)
            pattern += letter.unicode() < 0x80 ? QRegularExpression::escape(letter) : QStringLiteral(".+");
        const qulonglong window = X11Driver::waitForWindowMatching(QLatin1Char('^') + pattern + QLatin1Char('$'));
        QVERIFY2(window, qPrintable(title));
        QCOMPARE(X11Driver::windowName(window), title);
        X11Driver::keys(window, QStringLiteral("Escape"));
        QVERIFY(X11Driver::waitForWindowGone(window));
    }

    void cleanupTestCase()
    {
        X11Driver::keys(m_driver.mainWindow(), QStringLiteral("ctrl+x"));
        QVERIFY(m_driver.waitForExit());
    }
};

QTEST_MAIN(TestE2EGerman)
#include "tst_e2e_german.moc"
