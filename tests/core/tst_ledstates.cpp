// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/EffectImage.h"
#include "effect/LedStates.h"

#include <QTest>

Q_DECLARE_METATYPE(LedState)

class TestLedStates : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pressedState_data()
    {
        QTest::addColumn<LedState>("shown");
        QTest::addColumn<bool>("painting");
        QTest::addColumn<bool>("lights");
        QTest::newRow("never set: lights") << LedState::NeverSet << false << true;
        QTest::newRow("off: lights") << LedState::Off << false << true;
        QTest::newRow("on: goes off") << LedState::On << false << false;
        QTest::newRow("painting over on: stays lit") << LedState::On << true << true;
        QTest::newRow("painting over off: lights") << LedState::Off << true << true;
    }
    void pressedState()
    {
        QFETCH(LedState, shown);
        QFETCH(bool, painting);
        QFETCH(bool, lights);
        QCOMPARE(LedStates::pressedState(shown, painting), lights ? EffectImage::On : EffectImage::Off);
    }

    void changeSkipsWhatIsAlreadyShown()
    {
        LedStates states;
        QCOMPARE(states.shown(1), LedState::NeverSet);
        QVERIFY(states.change(1, EffectImage::Off, false)); // never set: always a change
        QVERIFY(!states.change(1, EffectImage::Off, false));
        QVERIFY(states.change(1, EffectImage::Off, true)); // forced
        QVERIFY(states.change(1, EffectImage::On, false));
        QCOMPARE(states.shown(1), LedState::On);
        // Matrix and preview LEDs are kept apart.
        QCOMPARE(states.shown(501), LedState::NeverSet);
        QVERIFY(states.change(516, EffectImage::On, false));
        QCOMPARE(states.shown(516), LedState::On);
        QCOMPARE(states.shown(256), LedState::NeverSet);
    }

    void numbersAndColumns_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("column");
        QTest::newRow("0") << 0 << false << 0;
        QTest::newRow("1: top-left") << 1 << true << 1;
        QTest::newRow("16: top-right") << 16 << true << 16;
        QTest::newRow("17: second row") << 17 << true << 1;
        QTest::newRow("256") << 256 << true << 16;
        QTest::newRow("257") << 257 << false << 0;
        QTest::newRow("500") << 500 << false << 0;
        QTest::newRow("501: first preview LED") << 501 << true << 1;
        QTest::newRow("516: last preview LED") << 516 << true << 16;
        QTest::newRow("517") << 517 << false << 0;
    }
    void numbersAndColumns()
    {
        QFETCH(int, n);
        QFETCH(bool, valid);
        QFETCH(int, column);
        QCOMPARE(LedStates::isLedNumber(n), valid);
        if (valid)
            QCOMPARE(LedStates::columnOf(n), column);
    }
};

QTEST_GUILESS_MAIN(TestLedStates)
#include "tst_ledstates.moc"
