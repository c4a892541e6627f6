// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "FormFixture.h"

#include "document/EffectDocument.h"
#include <QUndoStack>

#include <QCheckBox>
#include <QTest>

class TestEditing : public QObject, private FormFixture
{
    Q_OBJECT

private:
    bool slotLit(int page, int n) const
    {
        return form->image().page(page)[static_cast<std::size_t>(n - 1)] == EffectImage::On;
    }
    const QImage *glyph(Glyph g) const { return &form->glyphs().drawable(g); }

private Q_SLOTS:
    void init() { QVERIFY(createShown()); }
    void cleanup() { destroy(); }

    void clickTogglesAndStoresBack_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("left") << int(Qt::LeftButton);
        QTest::newRow("right") << int(Qt::RightButton);
        QTest::newRow("middle") << int(Qt::MiddleButton);
    }
    void clickTogglesAndStoresBack()
    {
        QFETCH(int, button);
        const auto mouseButton = Qt::MouseButton(button);
        press(2, mouseButton);
        release(2, mouseButton);
        QVERIFY(lit(2));
        QCOMPARE(led(2)->glyph(), glyph(Glyph::GreenLit));
        QCOMPARE(form->image().page(form->image().currentPage())[1], EffectImage::On);
        QVERIFY(slotLit(1, 2));
        press(2, mouseButton);
        release(2, mouseButton);
        QVERIFY(!lit(2));
        QCOMPARE(led(2)->glyph(), glyph(Glyph::GreenRing));
        QVERIFY(!slotLit(1, 2));
    }

    void rightPressUnlightsThenMovingLightsAgain()
    {
        press(5, Qt::LeftButton);
        release(5, Qt::LeftButton);
        QVERIFY(lit(5));
        press(5, Qt::RightButton);
        QVERIFY(!lit(5));
        moveOver(5, Qt::RightButton, Qt::NoModifier, {1, 0}); // still within the same LED
        QVERIFY(lit(5));
        QVERIFY(form->painting());
        release(5, Qt::RightButton);
    }

    void rightDragLightsEveryLedCrossed()
    {
        for (int n : {35, 38, 40}) { // some already lit
            press(n, Qt::LeftButton);
            release(n, Qt::LeftButton);
        }
        press(33, Qt::RightButton); // toggles 33 on
        for (int n = 33; n <= 48; ++n) {
            moveOver(n, Qt::RightButton);
            // Over the gap after each LED nothing happens.
            send(matrix(), QEvent::MouseMove, led(n)->geometry().topRight() + QPoint(1, 5), Qt::NoButton,
                Qt::RightButton);
        }
        release(48, Qt::RightButton);
        for (int n = 33; n <= 48; ++n)
            QVERIFY2(lit(n) && slotLit(1, n), qPrintable(QString::number(n)));
        QVERIFY(!lit(49));
        QVERIFY(!lit(17));
    }

    void dragsThatDoNotPaint_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("left drag") << int(Qt::LeftButton) << int(Qt::NoModifier);
        QTest::newRow("right with Shift") << int(Qt::RightButton) << int(Qt::ShiftModifier);
        QTest::newRow("right with Ctrl") << int(Qt::RightButton) << int(Qt::ControlModifier);
        QTest::newRow("right and left") << int(Qt::RightButton | Qt::LeftButton) << int(Qt::NoModifier);
    }
    void dragsThatDoNotPaint()
    {
        QFETCH(int, button);
        QFETCH(int, modifiers);
        const Qt::MouseButtons held(button);
        const Qt::MouseButton first = (held & Qt::LeftButton) ? Qt::LeftButton : Qt::RightButton;
        send(matrix(), QEvent::MouseButtonPress, led(65)->geometry().center(), first, held,
            Qt::KeyboardModifiers(modifiers));
        QVERIFY(lit(65)); // the press itself toggles
        for (int n = 66; n <= 70; ++n)
            moveOver(n, held, Qt::KeyboardModifiers(modifiers));
        for (int n = 66; n <= 70; ++n)
            QVERIFY(!lit(n));
        QVERIFY(lit(65));
        QVERIFY(!form->painting());
        send(matrix(), QEvent::MouseButtonRelease, led(70)->geometry().center(), first, Qt::NoButton);
    }

    // Ctrl with the right button held clears every LED it crosses, lit or not, as one step.
    void ctrlRightDragErasesEveryLedCrossed()
    {
        for (int n = 81; n <= 85; ++n) {
            press(n, Qt::LeftButton);
            release(n, Qt::LeftButton);
        }
        const int steps = form->document().history()->count();
        send(matrix(), QEvent::MouseButtonPress, led(80)->geometry().center(), Qt::RightButton, Qt::RightButton,
            Qt::ControlModifier);
        for (int n = 81; n <= 85; ++n)
            moveOver(n, Qt::RightButton, Qt::ControlModifier);
        release(85, Qt::RightButton);
        for (int n = 81; n <= 85; ++n)
            QVERIFY(!lit(n));
        QCOMPARE(form->document().history()->count(), steps + 1);
        form->document().history()->undo();
        for (int n = 81; n <= 85; ++n)
            QVERIFY(lit(n));
    }

    void afterARightDragAClickLightsUnlessThePointerMoved()
    {
        press(100, Qt::RightButton);
        moveOver(100, Qt::RightButton);
        moveOver(101, Qt::RightButton);
        release(101, Qt::RightButton);
        QVERIFY(lit(100) && lit(101));
        // No movement since: the flag still says painting, so a press lights instead of toggling.
        press(101, Qt::LeftButton);
        release(101, Qt::LeftButton);
        QVERIFY(lit(101));
        // Any movement without buttons clears it: the next click toggles again.
        moveOver(101, Qt::NoButton);
        QVERIFY(!form->painting());
        press(101, Qt::LeftButton);
        release(101, Qt::LeftButton);
        QVERIFY(!lit(101));
    }

    void doubleClickTogglesTwice()
    {
        press(7, Qt::LeftButton);
        release(7, Qt::LeftButton);
        QVERIFY(lit(7));
        send(matrix(), QEvent::MouseButtonDblClick, led(7)->geometry().center(), Qt::LeftButton, Qt::LeftButton);
        release(7, Qt::LeftButton);
        QVERIFY(!lit(7));
    }

    void previewLedsIgnoreTheMouse()
    {
        auto *preview = control<LedPanel>("previewStrip");
        const QPoint at = led(503)->geometry().center();
        send(preview, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        send(preview, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        send(preview, QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
        send(preview, QEvent::MouseMove, at + QPoint(1, 1), Qt::NoButton, Qt::RightButton);
        QCOMPARE(form->ledState(503), LedState::Off);
        QCOMPARE(form->image().page(form->image().currentPage())[2], EffectImage::Off);
    }

    void editsStayWithTheirPage()
    {
        form->document().setCurrentPage(3);
        form->showCurrentPage();
        press(20, Qt::LeftButton); // row 1, column 3
        release(20, Qt::LeftButton);
        clickButton("nextPageButton");
        QCOMPARE(form->image().currentPage(), 4);
        QVERIFY(!lit(20));
        clickButton("previousPageButton");
        QVERIFY(lit(20));
        QVERIFY(slotLit(3, 20));
        control<QCheckBox>("singlePageBox")->click();
        tickPreview(); // row 1
        QVERIFY(lit(504));
    }
};

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
