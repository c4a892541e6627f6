// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
//
// Draws the program's pictures: the nine 19x19 LED glyphs, the 16x16 open-folder menu
// picture, and the About window's illustration (162x107) and program icon (32x32). Run it with the resources folder as
// its argument; the BMP files it writes are committed. Every picture is drawn here, from nothing.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>
#include <functional>

namespace {
// The transparent colour: a light grey that the drawing below never produces (see compose()).
const QColor KeyColour(0xC0, 0xC0, 0xC0);

struct Tone
{
    QColor light;
    QColor body;
    QColor dark;
};

const Tone Red {QColor(255, 200, 190), QColor(230, 20, 20), QColor(110, 0, 0)};
const Tone Green {QColor(210, 255, 200), QColor(20, 200, 40), QColor(0, 90, 10)};
const Tone Blue {QColor(200, 215, 255), QColor(30, 70, 235), QColor(0, 10, 110)};
const Tone Yellow {QColor(255, 255, 215), QColor(245, 215, 20), QColor(125, 100, 0)};
const QColor Violet(140, 40, 190);

using Drawing = std::function<void(QPainter &)>;

// Draws on a transparent canvas, then lays the result over the key colour. A pixel that the
// drawing touched but that came out equal to the key colour is nudged, so the transparent
// colour marks exactly the untouched background.
QImage drawn(int size, int scale, const Drawing &draw)
{
    QImage canvas(size * scale, size * scale, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    draw(painter);
    return canvas;
}

QImage compose(int size, const Drawing &draw, int scale = 1)
{
    const QImage canvas = drawn(size, scale, draw);
    size *= scale;
    QImage result(size, size, QImage::Format_RGB888);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QColor c = QColor::fromRgba(canvas.pixel(x, y));
            if (c.alpha() == 0) {
                result.setPixelColor(x, y, KeyColour);
                continue;
            }
            const double a = c.alphaF();
            QColor out(qRound(c.red() * a + KeyColour.red() * (1 - a)),
                qRound(c.green() * a + KeyColour.green() * (1 - a)), qRound(c.blue() * a + KeyColour.blue() * (1 - a)));
            if (out == KeyColour)
                out.setBlue(out.blue() - 1);
            result.setPixelColor(x, y, out);
        }
    }
    return result;
}

const QPointF Centre(9.5, 9.5);

void sphere(QPainter &p, const Tone &tone)
{
    QRadialGradient shade(Centre, 8.0, QPointF(7.0, 6.5));
    shade.setColorAt(0.0, tone.light);
    shade.setColorAt(0.45, tone.body);
    shade.setColorAt(1.0, tone.dark);
    p.setPen(QPen(tone.dark.darker(130), 0.8));
    p.setBrush(shade);
    p.drawEllipse(Centre, 7.6, 7.6);
}

void greyDisc(QPainter &p)
{
    QRadialGradient shade(Centre, 8.0, QPointF(8.0, 7.5));
    shade.setColorAt(0.0, QColor(235, 235, 235));
    shade.setColorAt(1.0, QColor(120, 120, 125));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(Centre, 7.6, 7.6);
}

void ring(QPainter &p, const QColor &colour)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, 2.0));
    p.drawEllipse(Centre, 6.6, 6.6);
}

void crossedDisc(QPainter &p)
{
    greyDisc(p);
    ring(p, Violet);
    p.setPen(QPen(Qt::black, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5.3, 5.3), QPointF(13.7, 13.7));
    p.drawLine(QPointF(13.7, 5.3), QPointF(5.3, 13.7));
}

void ringedDisc(QPainter &p, const Tone &tone)
{
    greyDisc(p);
    ring(p, tone.body);
}

void openFolder(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor edge(120, 90, 10);
    // Back of the folder with its tab.
    QPainterPath back;
    back.moveTo(1, 3);
    back.lineTo(5, 3);
    back.lineTo(6, 4);
    back.lineTo(13, 4);
    back.lineTo(13, 13);
    back.lineTo(1, 13);
    back.closeSubpath();
    p.setPen(edge);
    p.setBrush(QColor(235, 190, 60));
    p.drawPath(back);
    // A sheet of paper sticking out.
    p.setBrush(Qt::white);
    p.setPen(QColor(140, 140, 140));
    p.drawRect(3, 2, 8, 6);
    // The open front flap, tilted.
    QPolygon flap({QPoint(1, 13), QPoint(4, 7), QPoint(15, 7), QPoint(12, 13)});
    p.setPen(edge);
    p.setBrush(QColor(250, 215, 100));
    p.drawPolygon(flap);
}

// One 8-pin EEPROM package seen from above, with its pins and the notch at its top end.
void chip(QPainter &p, const QRectF &body, const QString &label)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 200, 205));
    for (int pin = 0; pin < 4; ++pin) {
        const double y = body.top() + 4 + pin * (body.height() - 8) / 3.0 - 1.5;
        p.drawRect(QRectF(body.left() - 4, y, 4, 3));
        p.drawRect(QRectF(body.right(), y, 4, 3));
    }
    QLinearGradient shade(body.topLeft(), body.bottomRight());
    shade.setColorAt(0, QColor(70, 70, 75));
    shade.setColorAt(1, QColor(25, 25, 28));
    p.setBrush(shade);
    p.setPen(QPen(QColor(10, 10, 12), 1));
    p.drawRoundedRect(body, 2, 2);
    p.setBrush(QColor(15, 15, 18));
    p.drawChord(QRectF(body.center().x() - 4, body.top() - 4, 8, 8), 180 * 16, 180 * 16);
    p.setPen(QColor(225, 225, 225));
    QFont font = p.font();
    font.setPixelSize(7);
    p.setFont(font);
    p.drawText(body.adjusted(0, 6, 0, 0), Qt::AlignHCenter | Qt::AlignTop, label);
}

// EEPROM chips on a circuit board, wired to a two-line bus captioned I2C, SDA and SCL.
void aboutPicture(QPainter &p)
{
    const QRectF board(0, 0, 162, 107);
    QLinearGradient green(board.topLeft(), board.bottomRight());
    green.setColorAt(0, QColor(20, 110, 60));
    green.setColorAt(1, QColor(10, 70, 40));
    p.fillRect(board, green);
    // Copper: the two bus lines across the board, and a branch to each chip.
    const QColor copper(205, 160, 70);
    p.setPen(QPen(copper, 2));
    const double sda = 78, scl = 88;
    p.drawLine(QPointF(8, sda), QPointF(154, sda));
    p.drawLine(QPointF(8, scl), QPointF(154, scl));
    const double chipLefts[3] = {14, 62, 110};
    for (double left : chipLefts) {
        p.drawLine(QPointF(left + 8, 58), QPointF(left + 8, sda));
        p.drawLine(QPointF(left + 30, 58), QPointF(left + 30, scl));
        p.setBrush(copper);
        p.drawEllipse(QPointF(left + 8, sda), 2, 2);
        p.drawEllipse(QPointF(left + 30, scl), 2, 2);
        p.setBrush(Qt::NoBrush);
    }
    // Mounting holes.
    p.setPen(QPen(copper, 2));
    p.setBrush(QColor(30, 30, 30));
    for (QPointF hole : {QPointF(6, 6), QPointF(156, 6), QPointF(6, 101), QPointF(156, 101)})
        p.drawEllipse(hole, 3, 3);
    for (int i = 0; i < 3; ++i)
        chip(p, QRectF(chipLefts[i] + 5, 22, 28, 36), QStringLiteral("16K"));
    // Captions.
    QFont font = p.font();
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(245, 245, 235));
    p.drawText(QRectF(0, 2, 162, 16), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("I2C"));
    font.setPixelSize(8);
    p.setFont(font);
    p.drawText(QRectF(10, sda - 10, 30, 9), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("SDA"));
    p.drawText(QRectF(10, scl + 2, 30, 9), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("SCL"));
}

// The program icon: a 4x4 patch of the LED matrix, some lit, on a dark tile.
void programIcon(QPainter &p)
{
    p.setPen(QPen(QColor(20, 20, 30), 1));
    p.setBrush(QColor(40, 44, 60));
    p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 5, 5);
    const Tone *tones[4] = {&Red, &Green, &Blue, &Yellow};
    const bool lit[16]
        = {true, false, true, true, false, true, true, false, true, true, false, true, true, false, true, true};
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            const QPointF centre(5 + 7.3 * column, 5 + 7.3 * row);
            const Tone &tone = *tones[column];
            if (lit[row * 4 + column]) {
                QRadialGradient shade(centre, 3.4, centre - QPointF(1, 1));
                shade.setColorAt(0, tone.light);
                shade.setColorAt(0.5, tone.body);
                shade.setColorAt(1, tone.dark);
                p.setBrush(shade);
                p.setPen(Qt::NoPen);
            } else {
                p.setBrush(QColor(90, 90, 95));
                p.setPen(QPen(tone.body, 1));
            }
            p.drawEllipse(centre, 3.0, 3.0);
        }
    }
}

bool save(const QImage &image, const QString &path)
{
    if (!image.save(path, path.endsWith(QLatin1String(".png")) ? "PNG" : "BMP")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}
} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s RESOURCE_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const Drawing glyphs[9] = {
        crossedDisc,
        [](QPainter &p) { sphere(p, Blue); },
        [](QPainter &p) { ringedDisc(p, Blue); },
        [](QPainter &p) { sphere(p, Green); },
        [](QPainter &p) { ringedDisc(p, Green); },
        [](QPainter &p) { sphere(p, Red); },
        [](QPainter &p) { ringedDisc(p, Red); },
        [](QPainter &p) { sphere(p, Yellow); },
        [](QPainter &p) { ringedDisc(p, Yellow); },
    };
    bool ok = true;
    // Each picture at 1x, and drawn anew at 2x and 3x for high-resolution screens ("@2x").
    for (const int scale : {1, 2, 3}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
        for (int i = 0; i < 9; ++i)
            ok &= save(
                compose(19, glyphs[i], scale), out.filePath(QStringLiteral("BITMAP_%1%2.bmp").arg(i + 1).arg(suffix)));
        ok &= save(compose(16, openFolder, scale), out.filePath(QStringLiteral("OpenFolder%1.bmp").arg(suffix)));
        QImage picture(162 * scale, 107 * scale, QImage::Format_RGB888);
        {
            QPainter painter(&picture);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            painter.scale(scale, scale);
            aboutPicture(painter);
        }
        ok &= save(picture, out.filePath(QStringLiteral("AboutPicture%1.bmp").arg(suffix)));
        ok &= save(compose(32, programIcon, scale), out.filePath(QStringLiteral("ProgramIcon%1.bmp").arg(suffix)));
    }
    // The desktop's icons, from the same drawing at each size, with true transparency.
    out.mkpath(QStringLiteral("icons"));
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImage icon(size, size, QImage::Format_ARGB32);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 32.0, size / 32.0);
        programIcon(painter);
        painter.end();
        ok &= save(icon, out.filePath(QStringLiteral("icons/%1.png").arg(size)));
    }
    return ok ? 0 : 1;
}
