// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "widgets/QuestionBox.h"

#include "widgets/ErrorBox.h"

#include <QPushButton>

QuestionBox::QuestionBox(QWidget *parent, const QString &name, const QString &text)
    : QMessageBox(QMessageBox::Question, ErrorBox::title(), text, QMessageBox::NoButton, parent)
{
    setObjectName(name);
}

QAbstractButton *QuestionBox::addAnswer(StandardButton answer, const QString &caption, bool isDefault)
{
    QAbstractButton *button = addButton(answer);
    button->setText(caption);
    if (isDefault)
        setDefaultButton(answer);
    return button;
}
