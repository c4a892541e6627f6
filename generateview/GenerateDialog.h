// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "effect/RowTools.h"

#include <QDialog>

class EffectDocument;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class SettingsForm;

// Edit › Generate: a kind of effect and its settings. Each change is shown at once in the image
// (the overview and the time strip follow it), written into the chosen rows or the whole image
// when none are chosen. OK keeps it as one step of the history; Cancel puts the image back.
class GenerateDialog : public QDialog
{
    Q_OBJECT

public:
    GenerateDialog(EffectDocument &document, QWidget *parent = nullptr);

    QString kind() const;

public Q_SLOTS:
    void accept() override;
    void reject() override;

private:
    // The effect of the settings as they stand, in the image.
    void preview();

    EffectDocument &m_document;
    QList<int> m_rows;
    QComboBox *m_kind;
    SettingsForm *m_settings;
    QLabel *m_problem;
    QDialogButtonBox *m_buttons;
};
