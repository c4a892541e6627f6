// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <optional>

class QComboBox;
class QLabel;

// Chooses the chip to work on: the EEPROM files and I2C adapters found, each described, or any
// target typed by hand (sim:FILE for the simulated chip).
class ChipTargetDialog : public QDialog
{
    Q_OBJECT

public:
    ChipTargetDialog(const QString &current, QWidget *parent = nullptr);
    QString target() const;

    // The target chosen, or nothing for Cancel.
    static std::optional<QString> ask(QWidget *parent, const QString &current);

private:
    void describeChoice();

    QComboBox *m_targets;
    QLabel *m_description;
};
