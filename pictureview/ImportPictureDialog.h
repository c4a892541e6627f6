// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "effect/RowTools.h"

#include <QDialog>
#include <QImage>

class EffectDocument;
class QDialogButtonBox;
class QLabel;
class SettingsForm;

// File › Import Picture: how a picture's pixels become rows (placement, threshold, dithering,
// inverted), shown at once in the image as they change. The rows go into the chosen rows, or
// from the shown page on; what runs past them is cut, and the dialog says how many rows. OK
// keeps it as one step of the history; Cancel puts the image back.
class ImportPictureDialog : public QDialog
{
    Q_OBJECT

public:
    // `frames` as PictureImport::read() gives them.
    ImportPictureDialog(
        EffectDocument &document, const QList<QImage> &frames, const QString &name, QWidget *parent = nullptr);

    // Asks for a picture, reads it and shows the dialog over `window`; a picture that cannot be
    // read is reported, and the image stays as it was.
    static void chooseAndImport(EffectDocument &document, QWidget *window);

public Q_SLOTS:
    void accept() override;
    void reject() override;

private:
    void preview();

    EffectDocument &m_document;
    QList<QImage> m_frames;
    QList<int> m_rows;
    SettingsForm *m_settings;
    QLabel *m_outcome;
    QDialogButtonBox *m_buttons;
};
