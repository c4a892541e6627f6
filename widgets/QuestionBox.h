// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QMessageBox>

// A question the program asks: captioned with the program's title like its error box, each
// answer captioned so that Alt and a letter give it from the keyboard.
class QuestionBox : public QMessageBox
{
    Q_OBJECT

public:
    QuestionBox(QWidget *parent, const QString &name, const QString &text);

    // A standard answer with a caption of ours ("&Save"); made the default when asked.
    QAbstractButton *addAnswer(StandardButton answer, const QString &caption, bool isDefault = false);
};
