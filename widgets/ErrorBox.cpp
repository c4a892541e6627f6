// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "widgets/ErrorBox.h"

#include "common/ErrorText.h"

#include <QCoreApplication>
#include <QMessageBox>

QString ErrorBox::title()
{
    return ErrorText::programTitle(QCoreApplication::applicationFilePath());
}

void ErrorBox::show(QWidget *parent, const QString &message)
{
    QMessageBox box(QMessageBox::Critical, title(), ErrorText::boxMessage(message), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}
