// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/AppError.h"
#include "picture/PictureImport.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

// Pictures in: a black-and-white picture comes in bit for bit in either placement and layout,
// the settings shape what grey becomes, and a picture that cannot be taken is refused with its
// reason before it is decoded where its header already tells.
class TestPictureImport : public QObject
{
    Q_OBJECT

private:
    static QByteArray encoded(const QImage &picture, const char *format)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, format);
        return bytes;
    }
    static QList<RowTools::Frame> imported(const QByteArray &bytes, const QStringList &settings, int leds)
    {
        QBuffer buffer(const_cast<QByteArray *>(&bytes));
        buffer.open(QIODevice::ReadOnly);
        return PictureImport::rows(PictureImport::read(buffer), settings, leds);
    }
    // The picture's pixel (x, y) as a frame shows it: x from the string's left, LED `leds` first.
    static bool lit(const QList<RowTools::Frame> &frames, int frame, int x, int leds)
    {
        return frames.at(frame) & (1u << (leds - 1 - x));
    }
    // A GIF of `count` frames of the screen's size, each one pixel long: just enough of the
    // format for a reader to count and measure.
    static QByteArray gifOfFrames(int count, int width, int height)
    {
        QByteArray gif("GIF89a");
        const auto word = [&gif](int value) {
            gif += static_cast<char>(value & 0xFF);
            gif += static_cast<char>(value >> 8);
        };
        word(width);
        word(height);
        gif += QByteArray::fromHex("800000"
                                   "000000"
                                   "ffffff"); // a two-colour table
        for (int n = 0; n < count; ++n) {
            gif += ',';
            word(0);
            word(0);
            word(width);
            word(height);
            gif += QByteArray::fromHex("00"
                                       "02"
                                       "024401"
                                       "00"); // clear, pixel 0, end
        }
        return gif + ';';
    }

private Q_SLOTS:
    void blackAndWhiteComesInBitForBit_data()
    {
        QTest::addColumn<QString>("placement");
        QTest::addColumn<int>("leds");
        QTest::addColumn<QString>("dither");
        for (const char *placement : {"rows", "pages"}) {
            for (const int leds : {16, 8}) {
                for (const char *dither : {"none", "ordered", "diffusion"}) {
                    QTest::addRow("%s, %d LEDs, %s", placement, leds, dither)
                        << QString::fromLatin1(placement) << leds << QString::fromLatin1(dither);
                }
            }
        }
    }
    void blackAndWhiteComesInBitForBit()
    {
        QFETCH(QString, placement);
        QFETCH(int, leds);
        QFETCH(QString, dither);
        const bool pages = placement == QLatin1String("pages");
        // Rows: the string's width, 100 rows; pages: three tiles across, two down.
        QImage picture(pages ? 3 * leds : leds, pages ? 32 : 100, QImage::Format_RGB32);
        QRandomGenerator random(7);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, random.bounded(2) ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        const QList<RowTools::Frame> frames = imported(encoded(picture, "PNG"),
            {QStringLiteral("placement=") + placement, QStringLiteral("dither=") + dither}, leds);
        QCOMPARE(frames.size(), pages ? 6 * 16 : 100);
        for (int frame = 0; frame < frames.size(); ++frame) {
            const int tile = frame / 16;
            const int left = pages ? tile % 3 * leds : 0;
            const int y = pages ? tile / 3 * 16 + frame % 16 : frame;
            for (int x = 0; x < leds; ++x)
                QCOMPARE(lit(frames, frame, x, leds), qGray(picture.pixel(left + x, y)) == 255);
        }
    }

    void settingsShapeWhatGreyBecomes_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<int>("grey");
        QTest::addColumn<int>("least"); // lit LEDs of 16 x 64
        QTest::addColumn<int>("most");
        QTest::newRow("at the threshold: lit") << QStringList {} << 128 << 1024 << 1024;
        QTest::newRow("below it: dark") << QStringList {} << 127 << 0 << 0;
        QTest::newRow("a lower threshold") << QStringList {"threshold=100"} << 127 << 1024 << 1024;
        QTest::newRow("inverted") << QStringList {"invert=1"} << 127 << 1024 << 1024;
        QTest::newRow("ordered: half") << QStringList {"dither=ordered"} << 128 << 480 << 544;
        QTest::newRow("diffusion: half") << QStringList {"dither=diffusion"} << 128 << 480 << 544;
        QTest::newRow("diffusion: a quarter") << QStringList {"dither=diffusion"} << 64 << 224 << 288;
    }
    void settingsShapeWhatGreyBecomes()
    {
        QFETCH(QStringList, settings);
        QFETCH(int, grey);
        QFETCH(int, least);
        QFETCH(int, most);
        QImage picture(16, 64, QImage::Format_RGB32);
        picture.fill(qRgb(grey, grey, grey));
        int count = 0;
        for (const RowTools::Frame frame : imported(encoded(picture, "BMP"), settings, 16))
            count += qPopulationCount(frame);
        QVERIFY2(count >= least && count <= most, qPrintable(QString::number(count)));
    }

    // A picture wider than the string is scaled to it, in proportion, or turned a quarter.
    void widePictures_data()
    {
        QTest::addColumn<QString>("wide");
        QTest::addColumn<int>("rows");
        QTest::newRow("scaled") << "scale" << 5;
        QTest::newRow("turned") << "turn" << 32;
    }
    void widePictures()
    {
        QFETCH(QString, wide);
        QFETCH(int, rows);
        QImage picture(32, 10, QImage::Format_RGB32);
        picture.fill(Qt::white);
        const QList<RowTools::Frame> frames = imported(encoded(picture, "PNG"), {QStringLiteral("wide=") + wide}, 16);
        QCOMPARE(frames.size(), rows);
        QCOMPARE(frames.constFirst(), RowTools::Frame(wide == QLatin1String("scale") ? 0xFFFF : 0xFFC0));
    }

    void eachFrameOfAGifIsAPage()
    {
        const QList<RowTools::Frame> frames = imported(gifOfFrames(3, 16, 16), {QStringLiteral("placement=pages")}, 16);
        QCOMPARE(frames.size(), 3 * 16);
    }

    // A named pipe is refused at once rather than waited on.
    void aPipeIsNotWaitedOn()
    {
        QTemporaryDir folder;
        const QByteArray pipe = QFile::encodeName(folder.filePath(QStringLiteral("pipe")));
        QCOMPARE(::mkfifo(pipe.constData(), 0600), 0);
        QVERIFY_THROWS_EXCEPTION(AppError, PictureImport::read(QString::fromLocal8Bit(pipe)));
    }

    void badPicturesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("said");
        QImage small(16, 16, QImage::Format_RGB32);
        small.fill(Qt::white);
        const QByteArray png = encoded(small, "PNG");
        QTest::newRow("no picture") << QByteArray("hello, world") << "This is no picture Glimmerview reads";
        QTest::newRow("cut short") << png.left(png.size() / 2) << "The picture cannot be read";
        QTest::newRow("broken") << QByteArray(png).replace(40, 20, QByteArray(20, 'x')) << "The picture cannot be read";
        QTest::newRow("30000 x 30000") << gifOfFrames(1, 30000, 30000) << "The picture is 30000×30000 pixels";
        QTest::newRow("no pixels") << gifOfFrames(1, 0, 0) << "The picture holds no pixels";
        QTest::newRow("10000 frames") << gifOfFrames(10000, 1, 1) << "The picture holds 10000 frames";
        QTest::newRow("another kind of picture") << encoded(small, "XPM") << "This is no picture Glimmerview reads";
    }
    void badPicturesAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, said);
        QString message;
        try {
            imported(bytes, {}, 16);
        } catch (const AppError &error) {
            message = error.message();
        }
        QVERIFY2(message.startsWith(said), qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(TestPictureImport)
#include "tst_pictureimport.moc"
