// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "FormFixture.h"
#include "document/EffectDocument.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

class TestPreview : public QObject, private FormFixture
{
    Q_OBJECT

private:
    QCheckBox *single() const { return control<QCheckBox>("singlePageBox"); }
    QCheckBox *multi() const { return control<QCheckBox>("multiPageBox"); }
    QCheckBox *enable() const { return control<QCheckBox>("previewEnabledBox"); }
    QSlider *slider() const { return control<QSlider>("clockSlider"); }

    // Row r of page p lights column (r + p) mod 16 only, so each row of each page is known by sight.
    void markRows()
    {
        for (int page = 1; page <= EffectImage::PageCount; ++page)
            for (int row = 0; row < 16; ++row)
                form->document().setLed(page, row * 16 + (row + page) % 16, EffectImage::On);
    }
    // The single lit preview LED, as a column, or -1 when none or several are lit.
    int litPreviewColumn() const
    {
        int column = -1;
        for (int i = 1; i <= 16; ++i) {
            if (lit(500 + i)) {
                if (column >= 0)
                    return -1;
                column = i - 1;
            }
        }
        return column;
    }
    void showPage(int page)
    {
        form->document().setCurrentPage(page);
        form->showCurrentPage();
    }
    QPoint thumbCentre() const
    {
        QStyleOptionSlider option;
        option.initFrom(slider());
        option.orientation = slider()->orientation();
        option.minimum = slider()->minimum();
        option.maximum = slider()->maximum();
        option.sliderPosition = slider()->sliderPosition();
        option.sliderValue = slider()->value();
        option.upsideDown = slider()->invertedAppearance() != (slider()->orientation() == Qt::Vertical);
        option.tickPosition = slider()->tickPosition();
        return slider()
            ->style()
            ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider())
            .center();
    }

private Q_SLOTS:
    void init()
    {
        create();
        markRows();
        showPage(1);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { destroy(); }

    void intervalFollowsTheSlider_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("interval");
        QTest::newRow("1") << 1 << 50;
        QTest::newRow("5") << 5 << 62;
        QTest::newRow("10") << 10 << 90;
        QTest::newRow("11") << 11 << 100;
        QTest::newRow("15") << 15 << 166;
        QTest::newRow("19") << 19 << 500;
        QTest::newRow("20") << 20 << 1000;
    }
    void intervalFollowsTheSlider()
    {
        QFETCH(int, position);
        QFETCH(int, interval);
        slider()->setValue(position == 3 ? 4 : 3);
        slider()->setValue(position);
        QCOMPARE(form->previewTimer()->interval(), interval);
    }

    void designIntervalStaysUntilTheUserTouchesTheSlider()
    {
        QCOMPARE(slider()->value(), 10);
        QCOMPARE(form->previewTimer()->interval(), 100);
        slider()->setValue(10); // the program setting the same position: no handler
        QCOMPARE(form->previewTimer()->interval(), 100);
        // A click on the thumb moves nothing, but it is the user's handling: 10 gives 90 ms.
        QTest::mousePress(slider(), Qt::LeftButton, {}, thumbCentre());
        QTest::mouseRelease(slider(), Qt::LeftButton, {}, thumbCentre());
        QCOMPARE(slider()->value(), 10);
        QCOMPARE(form->previewTimer()->interval(), 90);
    }

    void aKeyAtTheEndStillRunsTheHandler()
    {
        slider()->setFocus();
        QTest::keyClick(slider(), Qt::Key_Home);
        QCOMPARE(slider()->value(), 1); // 1 at the top
        form->previewTimer()->setInterval(77); // as if something else had set it
        QTest::keyClick(slider(), Qt::Key_Home);
        QCOMPARE(slider()->value(), 1);
        QCOMPARE(form->previewTimer()->interval(), 50);
    }

    void keysMoveTheWayTheyPoint()
    {
        slider()->setFocus();
        QTest::keyClick(slider(), Qt::Key_Up);
        QCOMPARE(slider()->value(), 9); // up towards 1 at the top
        QTest::keyClick(slider(), Qt::Key_End);
        QCOMPARE(slider()->value(), 20);
        QCOMPARE(form->previewTimer()->interval(), 1000);
    }

    void singlePagePlaysRowsOneToFifteenThenZero()
    {
        showPage(3);
        single()->click();
        QVERIFY(enable()->isChecked());
        QVERIFY(form->previewTimer()->isActive());
        QCOMPARE(form->previewRow(), 0);
        for (int tick = 1; tick <= 35; ++tick) {
            tickPreview();
            const int row = tick % 16;
            QCOMPARE(form->previewRow(), row);
            QCOMPARE(litPreviewColumn(), (row + 3) % 16);
        }
        QCOMPARE(form->image().currentPage(), 3);
        QCOMPARE(control<QLineEdit>("position")->text(), QStringLiteral("3"));
    }

    void multiPageRunsOnAndWrapsFromSixtyFour()
    {
        showPage(63);
        multi()->click();
        for (int tick = 1; tick <= 15; ++tick)
            tickPreview();
        QCOMPARE(form->image().currentPage(), 63);
        tickPreview(); // the tick that wraps to row 0 steps the page
        QCOMPARE(form->image().currentPage(), 64);
        QCOMPARE(form->previewRow(), 0);
        QCOMPARE(litPreviewColumn(), (0 + 64) % 16);
        QCOMPARE(control<QLineEdit>("position")->text(), QStringLiteral("64"));
        QVERIFY(lit(1 + (64 % 16))); // the matrix follows: row 0 of page 64
        for (int tick = 1; tick <= 16; ++tick)
            tickPreview();
        QCOMPARE(form->image().currentPage(), 1);
        QCOMPARE(control<QLineEdit>("position")->text(), QStringLiteral("1"));
        QCOMPARE(litPreviewColumn(), 1);
    }

    void switchingModesKeepsPlayingFromRowZero()
    {
        single()->click();
        tickPreview();
        tickPreview();
        multi()->click();
        QVERIFY(!single()->isChecked());
        QVERIFY(multi()->isChecked());
        QVERIFY(enable()->isChecked());
        QVERIFY(form->previewTimer()->isActive());
        QCOMPARE(form->previewRow(), 0);
        single()->click();
        QVERIFY(!multi()->isChecked());
        QVERIFY(form->previewTimer()->isActive());
    }

    void untickingStopsAndClearsTheStrip()
    {
        single()->click();
        for (int tick = 0; tick < 4; ++tick)
            tickPreview();
        QVERIFY(litPreviewColumn() >= 0);
        single()->click();
        QVERIFY(!enable()->isChecked());
        QVERIFY(!form->previewTimer()->isActive());
        QCOMPARE(form->previewRow(), 0);
        for (int i = 1; i <= 16; ++i)
            QCOMPARE(form->ledState(500 + i), LedState::Off);
    }

    void tickingFromTheProgramRunsNoHandler()
    {
        single()->setChecked(true);
        multi()->setChecked(true);
        QVERIFY(!enable()->isChecked());
        QVERIFY(!form->previewTimer()->isActive());
    }

    void editsShowOnTheNextTick()
    {
        single()->click();
        form->document().setLed(form->image().currentPage(), 16 * 1 + 9, EffectImage::On); // row 1, column 9
        tickPreview();
        QVERIFY(lit(510));
        QVERIFY(lit(501 + (1 + 1) % 16));
    }

    void previewRunsOnTheClockItself()
    {
        slider()->setValue(1); // 50 ms rows
        single()->click();
        QCOMPARE(form->previewTimer()->timerType(), Qt::PreciseTimer);
        QTRY_COMPARE_WITH_TIMEOUT(form->previewRow(), 3, 2000);
    }
};

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
