// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "options/OptionsDialog.h"

#include "common/ColumnLabels.h"
#include "common/GlyphBitmaps.h"
#include "common/ProgramTexts.h"
#include "settings/ColourCycle.h"
#include "widgets/LedIndicator.h"
#include "widgets/LedPanel.h"
#include "widgets/WindowFont.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

namespace {
// The colour buttons' left edges: a 24 px step, but the tenth button is 25 wide.
constexpr int ColourButtonLefts[16] = {8, 32, 56, 80, 104, 128, 152, 176, 200, 224, 249, 272, 296, 320, 344, 368};
constexpr int ColourButtonTop = 19;
constexpr QPoint OffLedButton {48, 55};

struct Control
{
    const char *name;
    const char *caption;
    QRect bounds;
};
const Control Group {"ledColourGroup", Texts::LedColourGroup, {8, 8, 401, 89}};
const Control OffLedLabel {"offLedLabel", Texts::OffLedLabel, {8, 64, 38, 13}};
const Control OkButton {"okButton", Texts::OkButton, {328, 104, 75, 25}};
const Control CancelButton {"cancelButton", Texts::CancelButton, {8, 104, 75, 25}};

QString buttonName(int entry)
{
    return entry == ColourSettings::OffStyleEntry ? QStringLiteral("offLedStyleButton")
                                                  : QStringLiteral("colourButton%1").arg(entry);
}
} // namespace

OptionsDialog::OptionsDialog(const ColourSettings &current, const GlyphBitmaps &glyphs, QWidget *parent)
    : QDialog(parent)
    , m_glyphs(glyphs)
    , m_copy(current)
{
    setObjectName(QStringLiteral("optionsDialog"));
    setFont(WindowFont::font(font()));
    setWindowTitle(Texts::shown(Texts::OptionsTitle));
    resize(ClientSize);
    buildLayout();
    showAllEntries();
}

void OptionsDialog::buildLayout()
{
    auto *group = new QGroupBox(Texts::shown(Group.caption), this);
    group->setObjectName(QString::fromUtf8(Group.name));
    group->setGeometry(Group.bounds);
    auto *label = new QLabel(Texts::shown(OffLedLabel.caption), group);
    label->setObjectName(QString::fromUtf8(OffLedLabel.name));
    // At least as large as the caption needs at the window's font.
    label->setGeometry(QRect(OffLedLabel.bounds.topLeft(), OffLedLabel.bounds.size().expandedTo(label->sizeHint())));
    // The image buttons sit on one see-through panel over the group, placed as in the group.
    m_buttons = new LedPanel(group);
    m_buttons->setObjectName(QStringLiteral("ColourButtons"));
    m_buttons->setGeometry(group->rect());
    for (int entry = 1; entry <= ColourSettings::ColumnCount; ++entry) {
        const QSize size(entry == 10 ? 25 : 23, 22);
        m_buttons->addIndicator(buttonName(entry), {ColourButtonLefts[entry - 1], ColourButtonTop}, size);
    }
    // Right of its caption, however long the caption is in the user's language.
    const int captionEnd = label->x() + label->fontMetrics().horizontalAdvance(label->text()) + 4;
    m_buttons->addIndicator(
        buttonName(ColourSettings::OffStyleEntry), {std::max(OffLedButton.x(), captionEnd), OffLedButton.y()});
    // From the keyboard: Tab to the buttons, the arrows between them, Space to change one.
    m_buttons->setKeyboardGrid(ColourSettings::ColumnCount);
    m_buttons->setPictureSource(&m_glyphs);
    m_buttons->setAccessibleName(Texts::shown(Texts::LedColourGroup));
    connect(m_buttons, &LedPanel::clicked, this,
        [this](LedIndicator *button) { cycleEntry(static_cast<int>(m_buttons->indicators().indexOf(button)) + 1); });

    const auto pushButton = [this](const Control &control, QStyle::StandardPixmap picture) {
        auto *button = new QPushButton(style()->standardIcon(picture), Texts::shown(control.caption), this);
        button->setObjectName(QString::fromUtf8(control.name));
        // As designed, or wider where the caption needs it; OK keeps its right edge.
        QRect bounds = control.bounds;
        const int content = button->fontMetrics().horizontalAdvance(button->text()) + button->iconSize().width() + 4;
        const int width = std::max(bounds.width(), content + 16); // and the bevel's room either side
        if (bounds.left() > Group.bounds.center().x())
            bounds.setLeft(bounds.right() + 1 - width);
        bounds.setWidth(width);
        button->setGeometry(bounds);
        return button;
    };
    QPushButton *ok = pushButton(OkButton, QStyle::SP_DialogOkButton);
    QPushButton *cancel = pushButton(CancelButton, QStyle::SP_DialogCancelButton);
    ok->setDefault(true);
    setTabOrder(ok, cancel);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &OptionsDialog::acceptColours);
    connect(cancel, &QPushButton::clicked, this, &OptionsDialog::reject);
}

LedIndicator *OptionsDialog::colourButton(int entry) const
{
    return m_buttons->indicators().at(entry - 1);
}

const QImage *OptionsDialog::pickGlyph(int entry, bool advance)
{
    if (advance)
        m_copy.setEntry(entry, ColourCycle::next(entry, m_copy.entry(entry)));
    const QImage &glyph = m_glyphs.drawable(ColourCycle::buttonGlyph(entry, m_copy.entry(entry)));
    return glyph.isNull() ? nullptr : &glyph;
}

void OptionsDialog::showAllEntries()
{
    for (int entry = 1; entry <= ColourSettings::EntryCount; ++entry)
        showEntry(entry, false);
}

void OptionsDialog::cycleEntry(int entry)
{
    showEntry(entry, true);
}

void OptionsDialog::showEntry(int entry, bool advance)
{
    LedIndicator *button = colourButton(entry);
    button->setGlyph(pickGlyph(entry, advance));
    // Named as the strips number the columns (16 at the left), with what the button shows.
    const QString what = entry == ColourSettings::OffStyleEntry ? Texts::shown(Texts::OffLedLabel)
                                                                : tr("Column %1").arg(ColumnLabels::number(entry - 1));
    button->setAccessibility(what + QStringLiteral(": ")
            + QCoreApplication::translate("ColourCycle", ColourCycle::valueName(entry, m_copy.entry(entry))),
        false, true);
}

void OptionsDialog::acceptColours()
{
    Q_EMIT coloursAccepted(m_copy);
    accept();
}
