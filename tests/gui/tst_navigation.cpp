// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "FormFixture.h"
#include "document/EffectDocument.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestNavigation : public QObject, private FormFixture
{
    Q_OBJECT

private:
    QLineEdit *box() const { return control<QLineEdit>("position"); }
    // Page k shows k lit LEDs, so what is shown tells which page it is.
    void numberThePages()
    {
        for (int page = 1; page <= EffectImage::PageCount; ++page)
            for (int i = 0; i < page; ++i)
                form->document().setLed(page, i, EffectImage::On);
    }
    int shownPage() const
    {
        int count = 0;
        for (int n = 1; n <= 256; ++n)
            count += lit(n) ? 1 : 0;
        return count;
    }
    void typeIntoBox(const QString &keys)
    {
        box()->clear();
        QTest::keyClicks(box(), keys);
    }

private Q_SLOTS:
    void init()
    {
        create();
        numberThePages();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        box()->setFocus();
    }
    void cleanup() { destroy(); }

    void enterShowsThePage_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("shown");
        QTest::newRow("7") << "7" << int(Qt::Key_Return) << 7 << "7";
        QTest::newRow("0 is page 1") << "0" << int(Qt::Key_Return) << 1 << "1";
        QTest::newRow("99 is page 64") << "99" << int(Qt::Key_Return) << 64 << "64";
        QTest::newRow("07") << "07" << int(Qt::Key_Return) << 7 << "7";
        QTest::newRow("empty is page 1") << "" << int(Qt::Key_Return) << 1 << "1";
        QTest::newRow("keypad Enter") << "12" << int(Qt::Key_Enter) << 12 << "12";
        QTest::newRow("letters are swallowed") << "a3b" << int(Qt::Key_Return) << 3 << "3";
        QTest::newRow("signs and blanks too") << "- 4." << int(Qt::Key_Return) << 4 << "4";
        QTest::newRow("two characters at most") << "123" << int(Qt::Key_Return) << 12 << "12";
    }
    void enterShowsThePage()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(int, page);
        QFETCH(QString, shown);
        typeIntoBox(typed);
        QTest::keyClick(box(), Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(form->image().currentPage(), page);
        QCOMPARE(box()->text(), shown);
        QCOMPARE(shownPage(), page);
    }

    void okButtonActsAsEnter()
    {
        typeIntoBox(QStringLiteral("9"));
        QTest::mouseClick(control<QPushButton>("goButton"), Qt::LeftButton);
        QCOMPARE(shownPage(), 9);
        box()->clear();
        QTest::mouseClick(control<QPushButton>("goButton"), Qt::LeftButton);
        QCOMPARE(box()->text(), QStringLiteral("1"));
        QCOMPARE(shownPage(), 1);
    }

    void editingKeysStillWork()
    {
        typeIntoBox(QStringLiteral("45"));
        QTest::keyClick(box(), Qt::Key_Backspace);
        QCOMPARE(box()->text(), QStringLiteral("4"));
        QTest::keyClicks(box(), QStringLiteral("6"));
        QTest::keyClick(box(), Qt::Key_Home);
        QTest::keyClick(box(), Qt::Key_Delete);
        QCOMPARE(box()->text(), QStringLiteral("6"));
        QTest::keyClick(box(), Qt::Key_End);
        QTest::keyClick(box(), Qt::Key_Left);
        QTest::keyClicks(box(), QStringLiteral("2"));
        QCOMPARE(box()->text(), QStringLiteral("26"));
    }

    void ctrlVIsSwallowedButShiftInsertPastes()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("33"));
        box()->clear();
        QTest::keyClick(box(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box()->text(), QString());
        QTest::keyClick(box(), Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(box()->text(), QStringLiteral("33"));
        QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(shownPage(), 33);
    }

    void pastedTextThatIsNoNumber()
    {
        typeIntoBox(QStringLiteral("5"));
        QTest::keyClick(box(), Qt::Key_Return);
        QGuiApplication::clipboard()->setText(QStringLiteral("ab"));
        box()->clear();
        box()->paste(); // the context menu's Paste
        BoxSeen seen;
        seen.answerNext();
        QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(seen.count, 1);
        QCOMPARE(seen.text, QStringLiteral("'ab' is not a valid integer value."));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(form->image().currentPage(), 5);
        QCOMPARE(shownPage(), 5);
    }

    void pastedMinusOneShowsPageSixtyFour()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("-1"));
        box()->clear();
        box()->paste();
        QTest::keyClick(box(), Qt::Key_Return);
        QCOMPARE(shownPage(), 64);
        QCOMPARE(box()->text(), QStringLiteral("64"));
    }

    void dropsAndInputMethodsCannotGetRoundTheFilter()
    {
        QVERIFY(!box()->acceptDrops());
        QVERIFY(!box()->testAttribute(Qt::WA_InputMethodEnabled));
        QCOMPARE(box()->maxLength(), 2);
    }

    void ctrlXClosesEvenFromTheBox()
    {
        QCOMPARE(QApplication::focusWidget(), box());
        QTest::keyClick(box(), Qt::Key_X, Qt::ControlModifier);
        QVERIFY(!form->isVisible());
    }

    void upAndDownStopAtTheEnds_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("to");
        QTest::newRow("up from 1") << 1 << true << 2;
        QTest::newRow("up from 63") << 63 << true << 64;
        QTest::newRow("up on 64 stays") << 64 << true << 64;
        QTest::newRow("down from 64") << 64 << false << 63;
        QTest::newRow("down from 2") << 2 << false << 1;
        QTest::newRow("down on 1 stays") << 1 << false << 1;
    }
    void upAndDownStopAtTheEnds()
    {
        QFETCH(int, from);
        QFETCH(bool, up);
        QFETCH(int, to);
        typeIntoBox(QString::number(from));
        QTest::keyClick(box(), Qt::Key_Return);
        QTest::mouseClick(control<QPushButton>(up ? "nextPageButton" : "previousPageButton"), Qt::LeftButton);
        QCOMPARE(form->image().currentPage(), to);
        QCOMPARE(box()->text(), QString::number(to));
        QCOMPARE(shownPage(), to);
    }

    void upStoresTheWorkingPageBack()
    {
        form->document().setLed(form->image().currentPage(), 200, EffectImage::On); // on page 1, as an edit would
        clickButton("nextPageButton");
        QCOMPARE(form->image().page(1)[200], EffectImage::On);
        clickButton("previousPageButton");
        QVERIFY(lit(201));
    }

    void upKeepsThePreviewPlayingFromItsRow()
    {
        control<QCheckBox>("singlePageBox")->click();
        QVERIFY(form->previewTimer()->isActive());
        tickPreview();
        tickPreview();
        QCOMPARE(form->previewRow(), 2);
        clickButton("nextPageButton");
        QVERIFY(form->previewTimer()->isActive());
        QCOMPARE(form->previewRow(), 2);
        clickButton("previousPageButton");
        QVERIFY(form->previewTimer()->isActive());
        control<QCheckBox>("singlePageBox")->click();
        clickButton("nextPageButton");
        QVERIFY(!form->previewTimer()->isActive()); // stopped stays stopped
    }

    // Page Down and Page Up turn the page while the matrix has the keys, as Up and Down do.
    void pageKeysTurnPagesFromTheMatrix()
    {
        QWidget *panel = form->findChild<QWidget *>(QStringLiteral("ledMatrix"));
        panel->setFocus();
        QTest::keyClick(panel, Qt::Key_PageDown);
        QTest::keyClick(panel, Qt::Key_PageDown);
        QCOMPARE(form->image().currentPage(), 3);
        QTest::keyClick(panel, Qt::Key_PageUp);
        QCOMPARE(form->image().currentPage(), 2);
        QCOMPARE(control<QLineEdit>("position")->text(), QStringLiteral("2"));
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
