// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "global.h"
#include "mainUnit.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    Global global;
    TForm1 form(global);
    form.show();
    return QApplication::exec();
}
