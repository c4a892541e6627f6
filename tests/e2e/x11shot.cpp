// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
//
// Saves a screenshot of the X display, or of one window, as PNG: x11shot OUT.png [WINDOW_ID] [--small]
// With --small the picture keeps at most 256 colours, for pictures that are committed.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: x11shot OUT.png [WINDOW_ID]\n");
        return 2;
    }
    const WId window = argc > 2 ? static_cast<WId>(QByteArray(argv[2]).toULongLong(nullptr, 0)) : 0;
    QImage shot = QGuiApplication::primaryScreen()->grabWindow(window).toImage();
    if (argc > 3 && QByteArray(argv[3]) == "--small")
        shot = shot.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    return shot.save(QString::fromLocal8Bit(argv[1]), "PNG", 9) ? 0 : 1;
}
