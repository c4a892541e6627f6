// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "stationview/ProductionDialog.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// The station's window on simulated sockets: each lane's result in large words and colour, named
// for screen readers, the counts and the yield; a master chip gives the image (clone mode).
class TestProduction : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    QString path(const char *name) const { return m_folder.filePath(QString::fromLatin1(name)); }
    void putIn(const char *socket, const QByteArray &bytes) const
    {
        QFile chip(path("new"));
        QVERIFY(chip.open(QIODevice::WriteOnly) && chip.write(bytes) == bytes.size());
        chip.close();
        QVERIFY(QFile::rename(path("new"), path(socket)));
    }

private Q_SLOTS:
    void lanesShowTheirResults_data()
    {
        QTest::addColumn<bool>("cloning");
        QTest::newRow("the image shown") << false;
        QTest::newRow("a master chip's image") << true;
    }
    void lanesShowTheirResults()
    {
        QFETCH(bool, cloning);
        for (const char *name : {"a", "b", "log.csv"})
            QFile::remove(path(name));
        const QByteArray image(2048, '\x5A');
        if (cloning)
            putIn("master", image);
        ProductionDialog dialog(cloning ? QByteArray(2048, '\0') : image, QStringLiteral("effect.bin"),
            QStringLiteral("sim:") + path("a"), path("data"));
        dialog.show();
        auto *lanes = dialog.findChild<QPlainTextEdit *>(QStringLiteral("lanesEdit"));
        lanes->appendPlainText(QStringLiteral("sim:") + path("b"));
        if (cloning)
            dialog.findChild<QLineEdit *>(QStringLiteral("masterEdit"))
                ->setText(QStringLiteral("sim:") + path("master"));
        dialog.findChild<QLineEdit *>(QStringLiteral("logEdit"))->setText(path("log.csv"));
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("startButton")), Qt::LeftButton);
        QTRY_COMPARE(dialog.laneText(1), QStringLiteral("Waiting for a chip"));
        putIn("a", QByteArray(2048, '\xFF'));
        putIn("b", QByteArray(1024, '\xFF')); // the wrong part
        QTRY_COMPARE_WITH_TIMEOUT(dialog.laneText(1), QStringLiteral("PASS"), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(dialog.laneText(2).startsWith(QLatin1String("FAIL: ")), 10000);
        auto *state = dialog.findChild<QLabel *>(QStringLiteral("lane1State"));
        QCOMPARE(state->accessibleName(), QStringLiteral("Lane 1: PASS"));
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("totalsLabel"))->text(),
            QStringLiteral("All lanes: 2 chips, passed 1, failed 1, yield 50%"));
        QFile chip(path("a"));
        QVERIFY(chip.open(QIODevice::ReadOnly));
        QCOMPARE(chip.readAll(), image);
        dialog.reject(); // stops the lanes
        QVERIFY(dialog.findChild<QPushButton *>(QStringLiteral("startButton"))->isEnabled());
    }
};

QTEST_MAIN(TestProduction)
#include "tst_production.moc"
