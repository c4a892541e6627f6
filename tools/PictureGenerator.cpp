// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
//
// Draws the program's pictures: the nine 19x19 LED glyphs and the 16x16 open-folder menu
// picture. Run it with the resources folder as its argument; the BMP files it writes are
// committed. Every picture is drawn here, from nothing.
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
QImage compose(int size, const Drawing &draw)
{
    QImage canvas(size, size, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
    }
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

bool save(const QImage &image, const QString &path)
{
    if (!image.save(path, "BMP")) {
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
    for (int i = 0; i < 9; ++i)
        ok &= save(compose(19, glyphs[i]), out.filePath(QStringLiteral("BITMAP_%1.bmp").arg(i + 1)));
    ok &= save(compose(16, openFolder), out.filePath(QStringLiteral("OpenFolder.bmp")));
    return ok ? 0 : 1;
}
