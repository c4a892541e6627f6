// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/BmpDecoder.h"
#include "common/DesktopEnvironment.h"
#include "common/GlyphBitmaps.h"
#include "mainwindow/MainWindow.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QPixmap::fromImage(
        GlyphBitmaps::withTransparentKey(BmpDecoder::load(QStringLiteral(":/resources/ProgramIcon.bmp")))));
    MainWindow window(std::make_shared<DesktopEnvironment>());
    window.show();
    return QApplication::exec();
}
