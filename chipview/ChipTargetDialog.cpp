// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "chipview/ChipTargetDialog.h"

#include "chip/ChipTargets.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

ChipTargetDialog::ChipTargetDialog(const QString &current, QWidget *parent)
    : QDialog(parent)
    , m_targets(new QComboBox)
    , m_description(new QLabel)
{
    setObjectName(QStringLiteral("chipTargetDialog"));
    setWindowTitle(tr("Choose Chip"));
    m_targets->setObjectName(QStringLiteral("chipTargets"));
    m_targets->setEditable(true);
    m_targets->setInsertPolicy(QComboBox::NoInsert);
    m_targets->setMinimumContentsLength(40);
    for (const ChipTargets::Found &found : ChipTargets::list())
        m_targets->addItem(found.target, found.description);
    m_targets->setEditText(current.isEmpty() && m_targets->count() > 0 ? m_targets->itemText(0) : current);
    m_description->setWordWrap(true);
    auto *label = new QLabel(tr("&Chip, one of: %1.").arg(ChipTargets::kindsText()));
    label->setWordWrap(true);
    label->setBuddy(m_targets);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_targets);
    layout->addWidget(m_description);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_targets, &QComboBox::currentTextChanged, this, &ChipTargetDialog::describeChoice);
    describeChoice();
}

QString ChipTargetDialog::target() const
{
    return m_targets->currentText().trimmed();
}

void ChipTargetDialog::describeChoice()
{
    const int found = m_targets->findText(target());
    m_description->setText(found >= 0 ? m_targets->itemData(found).toString() : QString());
}

std::optional<QString> ChipTargetDialog::ask(QWidget *parent, const QString &current)
{
    ChipTargetDialog dialog(current, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.target().isEmpty())
        return std::nullopt;
    return dialog.target();
}
