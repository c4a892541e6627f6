// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "effect/RowTools.h"

#include <QDialog>

class EffectDocument;
class QComboBox;
class QDialogButtonBox;
class QFormLayout;
class QLabel;

// Edit › Generate: a kind of effect and its settings. Each change is shown at once in the image
// (the overview and the time strip follow it), written into the chosen rows or the whole image
// when none are chosen. OK keeps it as one step of the history; Cancel puts the image back.
class GenerateDialog : public QDialog
{
    Q_OBJECT

public:
    GenerateDialog(EffectDocument &document, QWidget *parent = nullptr);

    // The settings as NAME=VALUE, as the command line takes them.
    QStringList settings() const;
    QString kind() const;

public Q_SLOTS:
    void accept() override;
    void reject() override;

private:
    // The controls for the chosen kind's settings, at their defaults.
    void showSettings();
    // The effect of the settings as they stand, in the image.
    void preview();

    EffectDocument &m_document;
    RowTools::Pages m_before;
    QList<int> m_rows;
    QComboBox *m_kind;
    QFormLayout *m_settings;
    QLabel *m_problem;
    QDialogButtonBox *m_buttons;
    QList<QWidget *> m_controls; // one a setting, in the kind's order
};
