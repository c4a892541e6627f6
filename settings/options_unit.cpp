// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "options_unit.h"

#include "ColourCycle.h"
#include "LedIndicator.h"
#include "LedPanel.h"
#include "WindowFont.h"
#include "global.h"
#include "mainUnit.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {
// The colour buttons' left edges: a 24 px step, but SpeedButton10 is 25 wide.
constexpr int ColourButtonLefts[16] = {8, 32, 56, 80, 104, 128, 152, 176, 200, 224, 249, 272, 296, 320, 344, 368};
constexpr int ColourButtonTop = 19;
constexpr QPoint OffLedButton {48, 55};

struct Control
{
    const char *name;
    const char *caption;
    QRect bounds;
};
const Control Group {"GroupBox1", "LED color", {8, 8, 401, 89}};
const Control OffLedLabel {"Label1", "Off LED", {8, 64, 38, 13}};
const Control OkButton {"BitBtn1", "OK", {328, 104, 75, 25}};
const Control CancelButton {"BitBtn2", "Cancel", {8, 104, 75, 25}};

QString buttonName(int entry)
{
    return entry == ColourSettings::OffStyleEntry ? QStringLiteral("SpeedButtonOFFLED")
                                                  : QStringLiteral("SpeedButton%1").arg(entry);
}
} // namespace

TOptionsForm::TOptionsForm(Global &global, QWidget *parent)
    : QDialog(parent)
    , m_global(global)
{
    setObjectName(QStringLiteral("OptionsForm"));
    setFont(WindowFont::font(font()));
    setWindowTitle(QStringLiteral("Options"));
    resize(ClientSize);
    buildLayout();
    FormCreate();
}

void TOptionsForm::buildLayout()
{
    auto *group = new QGroupBox(QString::fromUtf8(Group.caption), this);
    group->setObjectName(QString::fromUtf8(Group.name));
    group->setGeometry(Group.bounds);
    auto *label = new QLabel(QString::fromUtf8(OffLedLabel.caption), group);
    label->setObjectName(QString::fromUtf8(OffLedLabel.name));
    label->setGeometry(OffLedLabel.bounds);
    // The image buttons sit on one see-through panel over the group, placed as in the group.
    m_buttons = new LedPanel(group);
    m_buttons->setObjectName(QStringLiteral("ColourButtons"));
    m_buttons->setGeometry(group->rect());
    for (int entry = 1; entry <= ColourSettings::ColumnCount; ++entry) {
        const QSize size(entry == 10 ? 25 : 23, 22);
        m_buttons->addIndicator(buttonName(entry), {ColourButtonLefts[entry - 1], ColourButtonTop}, size);
    }
    m_buttons->addIndicator(buttonName(ColourSettings::OffStyleEntry), OffLedButton);
    connect(m_buttons, &LedPanel::clicked, this, [this](LedIndicator *button) {
        SpeedButtonClick(static_cast<int>(m_buttons->indicators().indexOf(button)) + 1);
    });

    const auto pushButton = [this](const Control &control, QStyle::StandardPixmap picture) {
        auto *button = new QPushButton(style()->standardIcon(picture), QString::fromUtf8(control.caption), this);
        button->setObjectName(QString::fromUtf8(control.name));
        button->setGeometry(control.bounds);
        return button;
    };
    QPushButton *ok = pushButton(OkButton, QStyle::SP_DialogOkButton);
    QPushButton *cancel = pushButton(CancelButton, QStyle::SP_DialogCancelButton);
    ok->setDefault(true);
    setTabOrder(ok, cancel);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &TOptionsForm::BitBtn1Click);
    connect(cancel, &QPushButton::clicked, this, &TOptionsForm::BitBtn2Click);
}

LedIndicator *TOptionsForm::colourButton(int entry) const
{
    return m_buttons->indicators().at(entry - 1);
}

void TOptionsForm::FormCreate()
{
    m_copy = m_global.colours;
    refreshClick();
}

const QImage *TOptionsForm::pickGlyph(int entry, bool advance)
{
    if (advance)
        m_copy.setEntry(entry, ColourCycle::next(entry, m_copy.entry(entry)));
    const QImage &glyph = m_global.glyphs.drawable(ColourCycle::buttonGlyph(entry, m_copy.entry(entry)));
    return glyph.isNull() ? nullptr : &glyph;
}

void TOptionsForm::refreshClick()
{
    for (int entry = 1; entry <= ColourSettings::EntryCount; ++entry)
        colourButton(entry)->setGlyph(pickGlyph(entry, false));
}

void TOptionsForm::SpeedButtonClick(int entry)
{
    colourButton(entry)->setGlyph(pickGlyph(entry, true));
}

void TOptionsForm::BitBtn1Click()
{
    m_global.colours = m_copy;
    // The main window redraws while the dialog is still on the screen.
    if (m_global.mainForm) {
        m_global.mainForm->redraw_all();
        m_global.mainForm->prev_reset();
    }
    accept();
}

void TOptionsForm::BitBtn2Click()
{
    reject();
}
