// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "BmpDecoder.h"
#include "GlyphBitmaps.h"
#include "global.h"
#include "mainUnit.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QPixmap::fromImage(
        GlyphBitmaps::withTransparentKey(BmpDecoder::load(QStringLiteral(":/resources/ProgramIcon.bmp")))));
    Global global;
    TForm1 form(global);
    form.show();
    return QApplication::exec();
}
