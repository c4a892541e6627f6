// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "FormFixture.h"
#include "document/EffectDocument.h"
#include "options/OptionsDialog.h"

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>

class TestOptions : public QObject, private FormFixture
{
    Q_OBJECT

private:
    std::unique_ptr<OptionsDialog> m_dialog;

    const QImage *glyph(Glyph g) const { return &form->glyphs().drawable(g); }
    void clickButton(int entry, int times = 1)
    {
        auto *panel = m_dialog->findChild<LedPanel *>(QStringLiteral("ColourButtons"));
        const QPoint at = m_dialog->colourButton(entry)->geometry().center();
        for (int i = 0; i < times; ++i) {
            send(panel, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
            send(panel, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        }
    }
    QPushButton *button(const char *name) const { return m_dialog->findChild<QPushButton *>(QString::fromUtf8(name)); }
    void openDialog()
    {
        m_dialog = form->createOptionsDialog();
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(createShown());
        openDialog();
    }
    void cleanup()
    {
        m_dialog.reset();
        destroy();
    }

    void layout()
    {
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Options"));
        QCOMPARE(m_dialog->size(), QSize(424, 162));
        QVERIFY(m_dialog->minimumSize() != m_dialog->maximumSize()); // an ordinary, resizable frame
        auto *group = m_dialog->findChild<QGroupBox *>(QStringLiteral("ledColourGroup"));
        QCOMPARE(group->title(), QStringLiteral("LED color"));
        QCOMPARE(group->geometry(), QRect(8, 8, 401, 89));
        const int lefts[16] = {8, 32, 56, 80, 104, 128, 152, 176, 200, 224, 249, 272, 296, 320, 344, 368};
        for (int k = 1; k <= 16; ++k) {
            auto *speed = m_dialog->findChild<LedIndicator *>(QStringLiteral("colourButton%1").arg(k));
            QCOMPARE(speed, m_dialog->colourButton(k));
            QCOMPARE(speed->panel()->geometry(), group->rect()); // so places are relative to the group
            QCOMPARE(speed->geometry(), QRect(lefts[k - 1], 19, k == 10 ? 25 : 23, 22));
        }
        auto *offLed = m_dialog->findChild<LedIndicator *>(QStringLiteral("offLedStyleButton"));
        auto *label = group->findChild<QLabel *>(QStringLiteral("offLedLabel"));
        // At its designed place, or right of its caption where the caption is longer.
        QCOMPARE(offLed->geometry().topLeft(),
            QPoint(std::max(48, 8 + label->fontMetrics().horizontalAdvance(label->text()) + 4), 55));
        QCOMPARE(offLed->geometry().size(), QSize(23, 22));
        QCOMPARE(label->text(), QStringLiteral("Off LED"));
        QCOMPARE(label->pos(), QPoint(8, 64));
        QVERIFY(label->width() >= label->sizeHint().width()); // the caption shows whole
        QVERIFY(label->height() >= label->sizeHint().height());
        QCOMPARE(button("okButton")->text(), QStringLiteral("OK"));
        QCOMPARE(button("okButton")->geometry(), QRect(328, 104, 75, 25));
        QVERIFY(button("okButton")->isDefault());
        QVERIFY(!button("okButton")->icon().isNull());
        QCOMPARE(button("cancelButton")->text(), QStringLiteral("Cancel"));
        QCOMPARE(button("cancelButton")->geometry(), QRect(8, 104, 75, 25));
        QCOMPARE(QApplication::focusWidget(), button("okButton")); // the image buttons take no focus
        const QPoint centre = m_dialog->geometry().center();
        QVERIFY((centre - form->geometry().center()).manhattanLength() <= 2);
    }

    void defaultsShowRedGreenBlueYellowAndTheRing()
    {
        const Glyph lit[4] = {Glyph::RedLit, Glyph::GreenLit, Glyph::BlueLit, Glyph::YellowLit};
        for (int k = 1; k <= 16; ++k)
            QCOMPARE(m_dialog->colourButton(k)->glyph(), glyph(lit[(k - 1) % 4]));
        QCOMPARE(m_dialog->colourButton(17)->glyph(), glyph(Glyph::RedRing));
    }

    void clicksCycleBack()
    {
        clickButton(6, 1);
        QCOMPARE(m_dialog->colourButton(6)->glyph(), glyph(Glyph::BlueLit));
        clickButton(6, 3);
        QCOMPARE(m_dialog->dialogCopy().entry(6), 2);
        QCOMPARE(m_dialog->colourButton(6)->glyph(), glyph(Glyph::GreenLit));
        clickButton(17, 1);
        QCOMPARE(m_dialog->colourButton(17)->glyph(), glyph(Glyph::CrossedOff));
        clickButton(17, 1);
        QCOMPARE(m_dialog->colourButton(17)->glyph(), nullptr); // blank
        clickButton(17, 1);
        QCOMPARE(m_dialog->colourButton(17)->glyph(), glyph(Glyph::RedRing));
        QCOMPARE(form->colours(), ColourSettings()); // nothing reaches the table before OK
    }

    void outOfRangeEntriesShowRedAndComeBack()
    {
        form->colours().setEntry(2, 255);
        form->colours().setEntry(17, 9);
        openDialog();
        QCOMPARE(m_dialog->colourButton(2)->glyph(), glyph(Glyph::RedLit));
        QCOMPARE(m_dialog->colourButton(17)->glyph(), glyph(Glyph::RedLit));
        clickButton(2);
        QCOMPARE(m_dialog->dialogCopy().entry(2), 0);
        clickButton(2);
        QCOMPARE(m_dialog->dialogCopy().entry(2), 1);
        clickButton(17);
        QCOMPARE(m_dialog->dialogCopy().entry(17), 1);
    }

    void cancelDropsTheChanges_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("Cancel") << 0;
        QTest::newRow("Esc") << 1;
        QTest::newRow("close box") << 2;
    }
    void cancelDropsTheChanges()
    {
        QFETCH(int, how);
        const QImage *before = led(1)->glyph();
        clickButton(1);
        clickButton(17);
        if (how == 0)
            QTest::mouseClick(button("cancelButton"), Qt::LeftButton);
        else if (how == 1)
            QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
        else
            m_dialog->close();
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
        QCOMPARE(form->colours(), ColourSettings());
        QCOMPARE(led(1)->glyph(), before);
        openDialog();
        QCOMPARE(m_dialog->colourButton(1)->glyph(), glyph(Glyph::RedLit));
    }

    void okRecoloursTheMatrixAndClearsThePreview()
    {
        form->document().setLed(form->image().currentPage(), 0, EffectImage::On); // LED 1 lit, the rest unlit
        form->refreshMatrix();
        control<QCheckBox>("singlePageBox")->click();
        form->document().setLed(form->image().currentPage(), 16, EffectImage::On);
        tickPreview(); // row 1: preview LED 501 lit
        QVERIFY(lit(501));
        clickButton(1); // column 1: green
        clickButton(17, 2); // blank unlit LEDs
        QTest::keyClick(m_dialog.get(), Qt::Key_Return); // Enter presses OK
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(form->colours().entry(1), ColourSettings::Green);
        QCOMPARE(form->colours().entry(17), ColourSettings::Blank);
        QCOMPARE(led(1)->glyph(), glyph(Glyph::GreenLit));
        QCOMPARE(led(2)->glyph(), nullptr);
        for (int i = 1; i <= 16; ++i)
            QCOMPARE(form->ledState(500 + i), LedState::Off);
        QVERIFY(form->previewTimer()->isActive()); // the preview goes on and lights them again
        for (int tick = 0; tick < 16; ++tick) // round to row 1 again
            tickPreview();
        QCOMPARE(led(501)->glyph(), glyph(Glyph::GreenLit));
    }

    void colourButtonsFromTheKeyboard()
    {
        auto *panel = m_dialog->findChild<LedPanel *>(QStringLiteral("ColourButtons"));
        QCOMPARE(panel->focusPolicy(), Qt::TabFocus);
        panel->setFocus(Qt::TabFocusReason);
        QTest::keyClick(panel, Qt::Key_Right);
        QTest::keyClick(panel, Qt::Key_Space); // column 2: green to blue
        QCOMPARE(m_dialog->dialogCopy().entry(2), ColourSettings::Blue);
        QTest::keyClick(panel, Qt::Key_Left);
        QTest::keyClick(panel, Qt::Key_Down); // the off-LED button, below the first
        QTest::keyClick(panel, Qt::Key_Space);
        QCOMPARE(m_dialog->dialogCopy().entry(17), ColourSettings::Crossed);
        QAccessibleInterface *buttons = QAccessible::queryAccessibleInterface(panel);
        QCOMPARE(buttons->child(16)->text(QAccessible::Name), QStringLiteral("Off LED: crossed"));
        QCOMPARE(buttons->child(16)->role(), QAccessible::Button);
        // Named by the column the strips show above it, with its colour as it is now.
        QCOMPARE(buttons->child(0)->text(QAccessible::Name), QStringLiteral("Column 16: red"));
        QCOMPARE(buttons->child(1)->text(QAccessible::Name), QStringLiteral("Column 15: blue"));
    }

    void cancelledChangesAreNotSaved()
    {
        clickButton(3);
        m_dialog->reject();
        form->close();
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("led_col3=3\r\n"));
    }

    void everyOpeningIsANewModalDialog()
    {
        m_dialog.reset();
        QList<const void *> dialogs;
        for (int opening = 0; opening < 2; ++opening) {
            QTimer::singleShot(0, this, [this, &dialogs] {
                auto *dialog = qobject_cast<OptionsDialog *>(QApplication::activeModalWidget());
                if (!dialog)
                    return;
                dialogs << dialog;
                QCOMPARE(dialog->parentWidget(), form.get());
                dialog->reject();
            });
            triggerMenu("optionsAction");
        }
        QCOMPARE(dialogs.size(), 2);
    }
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
