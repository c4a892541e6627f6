// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
//
// Showing a page, one noise tick, and loading small and huge images. Run in an X server
// (scripts/bench) so that repaints are real.
#include "common/DesktopEnvironment.h"
#include "document/EffectDocument.h"
#include "effect/ImageFile.h"
#include "effect/ImageReader.h"
#include "generate/Generators.h"
#include "generateview/GenerateDialog.h"
#include "mainwindow/ClientArea.h"
#include "mainwindow/MainWindow.h"
#include "pictureview/ImportPictureDialog.h"

#include <QApplication>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <benchmark/benchmark.h>
#include <ctime>
#include <memory>

namespace {
struct Window
{
    MainWindow form {std::make_shared<DesktopEnvironment>()};
    Window()
    {
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            qFatal("the window was never shown");
        // Page 2 all on, page 1 all off: every LED differs between them.
        for (int i = 0; i < EffectImage::LedsPerPage; ++i)
            form.document().setLed(2, i, EffectImage::On);
    }
    void show(std::uint16_t page)
    {
        form.document().setCurrentPage(page);
        form.showCurrentPage();
        QCoreApplication::sendPostedEvents(); // the repaint of what changed
    }
};
std::unique_ptr<Window> window;

// Shown or not as asked, whatever the screen's room made the default.
void showOverview(bool shown)
{
    window->form.findChild<QDockWidget *>(QStringLiteral("overviewDock"))->setVisible(shown);
    QCoreApplication::sendPostedEvents();
}

void positionChangeAllDiffer(benchmark::State &state)
{
    std::uint16_t page = 1;
    for (auto _ : state) {
        page = page == 1 ? 2 : 1;
        window->show(page);
    }
}

// The same with the overview of all pages shown beside the window, its repaint included.
void positionChangeWithOverview(benchmark::State &state)
{
    showOverview(true);
    std::uint16_t page = 1;
    for (auto _ : state) {
        page = page == 1 ? 2 : 1;
        window->show(page);
    }
    showOverview(false);
}

// A change of the whole image, a load of one of two files in turn, with the overview's pages and
// time strip drawn again and painted.
void wholeImageChangeWithOverview(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString lit = dir.filePath(QStringLiteral("lit.bin"));
    const QString dark = dir.filePath(QStringLiteral("dark.bin"));
    for (const auto &[path, byte] : {std::pair {lit, '\0'}, std::pair {dark, '\xFF'}}) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray(2048, byte));
    }
    showOverview(true);
    bool lighting = true;
    for (auto _ : state) {
        window->form.loadImageFile(lighting ? lit : dark);
        lighting = !lighting;
        QCoreApplication::sendPostedEvents(); // the repaint of what changed
    }
    showOverview(false);
}

void positionChangeAlreadyShown(benchmark::State &state)
{
    window->show(1);
    for (auto _ : state)
        window->show(1);
}

// One tick of the hidden noise: the timer's handler alone (the frame is worked out when the
// screen draws, measured next).
void noiseTick(benchmark::State &state)
{
    for (auto _ : state)
        QMetaObject::invokeMethod(window->form.noiseTimer(), "timeout", Qt::DirectConnection);
}

// One noise frame worked out for the gaps between the controls.
void noiseFrameComputed(benchmark::State &state)
{
    ClientArea *area = window->form.clientArea();
    for (auto _ : state) {
        QMetaObject::invokeMethod(window->form.noiseTimer(), "timeout", Qt::DirectConnection);
        benchmark::DoNotOptimize(area->noiseBitmap().constBits());
    }
}

// One noise frame worked out for the gaps between the controls, and painted.
void noiseFrame(benchmark::State &state)
{
    ClientArea *area = window->form.clientArea();
    for (auto _ : state) {
        QMetaObject::invokeMethod(window->form.noiseTimer(), "timeout", Qt::DirectConnection);
        area->repaint(area->gapRegion());
    }
}

// Counts the paints a widget is sent.
class PaintCounter : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

// Runs the program's own event loop (not a test's sleeping wait) for a second between `start`
// and `stop`, and reports the share of a core the whole process took and the paints `painted` got.
template<typename Start, typename Stop>
void measureCoreShare(benchmark::State &state, QWidget *painted, Start start, Stop stop)
{
    PaintCounter paints;
    painted->installEventFilter(&paints);
    for (auto _ : state) {
        paints.count = 0;
        const std::clock_t cpuBefore = std::clock();
        QElapsedTimer wall;
        wall.start();
        start();
        QEventLoop loop;
        QTimer::singleShot(1000, &loop, &QEventLoop::quit);
        loop.exec();
        stop();
        const double cpu = double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
        state.counters["core_percent"] = 100.0 * cpu / (wall.nsecsElapsed() / 1e9);
        state.counters["paints"] = double(paints.count);
    }
    painted->removeEventFilter(&paints);
}

// The noise running as the user sees it, for a second: the share of a core the program takes.
void noiseCpuShare(benchmark::State &state)
{
    ClientArea *area = window->form.clientArea();
    const std::uint64_t framesBefore = area->noiseFrame();
    measureCoreShare(
        state, area, [area] { area->setNoiseRunning(true); }, [area] { area->setNoiseRunning(false); });
    state.counters["frames_per_second"] = double(area->noiseFrame() - framesBefore) / double(state.iterations());
}

// The least any repaint at the screen's pace costs on this display: a bare widget as small as
// one gap between the controls, filled anew on every wake with nothing worked out. The noise's
// share is read against this one.
void bareRepaintCpuShare(benchmark::State &state)
{
    class Filled : public QWidget
    {
    protected:
        void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), QColor::fromRgb(m_shade++)); }

    private:
        QRgb m_shade = 0;
    };
    QWidget bare;
    bare.resize(window->form.clientArea()->size());
    auto *filled = new Filled;
    filled->setParent(&bare);
    filled->setGeometry(0, 0, 7, 97);
    bare.show();
    if (!QTest::qWaitForWindowExposed(&bare))
        qFatal("the bare window was never shown");
    QTimer wake;
    wake.setTimerType(Qt::PreciseTimer);
    wake.setInterval(qRound(1000 / bare.screen()->refreshRate()));
    QObject::connect(&wake, &QTimer::timeout, filled, qOverload<>(&QWidget::update));
    measureCoreShare(
        state, filled, [&wake] { wake.start(); }, [&wake] { wake.stop(); });
}

// A close writes the settings file: the copy-out of the colours, then the component's save.
class BenchEnvironment : public DesktopEnvironment
{
public:
    QString folder;
    QString executableFolder() const override { return folder; }
};

void closeSavesSettings(benchmark::State &state)
{
    QTemporaryDir dir;
    auto environment = std::make_shared<BenchEnvironment>();
    environment->folder = dir.path();
    for (auto _ : state) {
        state.PauseTiming();
        auto form = std::make_unique<MainWindow>(environment);
        form->show();
        state.ResumeTiming();
        form->close();
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
}

// Writing a full image: encoded, written beside, flushed to the disk and renamed over the file.
void saveImage(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("image.bin"));
    EffectImage image;
    image.fillAllPagesOff();
    for (auto _ : state)
        ImageFile::save(path, image, ImageLayout::Bits16);
}

// One undo or redo of a page tool (every LED of the page changes), with the repaint it causes;
// with the argument 1, the overview is shown and redrawn too.
void undoOrRedoPageTool(benchmark::State &state)
{
    showOverview(state.range(0) == 1);
    window->show(1);
    window->form.document().clear(); // whatever ran before, the fill below is a step of its own
    window->form.document().fill();
    QUndoStack *history = window->form.document().history();
    bool undo = true;
    for (auto _ : state) {
        if (undo)
            history->undo();
        else
            history->redo();
        undo = !undo;
        QCoreApplication::sendPostedEvents(); // the repaint of what changed
    }
    showOverview(false);
}

// A tool over the whole image (every row chosen), with the repaint of the matrix and the shown
// overview: argument 0 rotates along the string, 1 mirrors.
void wholeImageTool(benchmark::State &state)
{
    showOverview(true);
    EffectDocument &document = window->form.document();
    document.replaceImage(Generators::make(QStringLiteral("sparkle"), {}, 16), QString(), ImageLayout::Bits16);
    document.setSelection(RowSelection::pages(1, EffectImage::PageCount));
    QCoreApplication::sendPostedEvents();
    for (auto _ : state) {
        if (state.range(0) == 0)
            document.shiftAlong(true, true);
        else
            document.mirror();
        QCoreApplication::sendPostedEvents(); // the repaint of what changed
        if (document.history()->count() >= 64) { // each step keeps the image twice
            state.PauseTiming();
            document.history()->clear();
            state.ResumeTiming();
        }
    }
    document.setSelection({});
    showOverview(false);
}

// One key typed into the Generate dialog's text: the effect made again, written into the image
// and the views repainted.
void generatePreviewKeystroke(benchmark::State &state)
{
    showOverview(true); // where the window previews the effect
    auto *dialog = new GenerateDialog(window->form.document(), &window->form);
    dialog->show();
    auto *text = dialog->findChild<QLineEdit *>(QStringLiteral("text"));
    QCoreApplication::sendPostedEvents();
    bool typing = true;
    for (auto _ : state) {
        if (typing)
            text->insert(QStringLiteral("W"));
        else
            text->backspace();
        typing = !typing;
        QCoreApplication::sendPostedEvents(); // the repaint of what changed
    }
    dialog->reject();
    delete dialog;
    showOverview(false);
}

// A 16x1024 picture in the Import Picture dialog: each change of the threshold turns it into rows
// again, writes them into the image and repaints the views.
void importPreview(benchmark::State &state)
{
    showOverview(true);
    QImage strip(16, 1024, QImage::Format_Grayscale8);
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x)
            strip.scanLine(y)[x] = static_cast<uchar>((x * 37 + y * 11) & 255);
    window->form.document().setCurrentPage(1);
    auto *dialog
        = new ImportPictureDialog(window->form.document(), {strip}, QStringLiteral("strip.png"), &window->form);
    dialog->show();
    auto *threshold = dialog->findChild<QSpinBox *>(QStringLiteral("threshold"));
    QCoreApplication::sendPostedEvents();
    int value = 100;
    for (auto _ : state) {
        threshold->setValue(value = value == 100 ? 150 : 100);
        QCoreApplication::sendPostedEvents(); // the repaint of what changed
    }
    dialog->reject();
    delete dialog;
    showOverview(false);
}

void loadImage(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("image.bin"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.resize(state.range(0)); // sparse: a huge file costs no disk
    file.close();
    EffectImage image;
    for (auto _ : state) {
        ImageFile::load(path, image);
    }
    // What a load holds in memory, whatever the file's size.
    state.counters["bytes_held"] = static_cast<double>(ImageReader::readHead(path, 2048).size());
}
} // namespace

BENCHMARK(positionChangeAllDiffer)->Unit(benchmark::kMicrosecond);
BENCHMARK(positionChangeAlreadyShown)->Unit(benchmark::kMicrosecond);
BENCHMARK(positionChangeWithOverview)->Unit(benchmark::kMicrosecond);
BENCHMARK(wholeImageChangeWithOverview)->Unit(benchmark::kMicrosecond);
BENCHMARK(noiseTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(noiseFrameComputed)->Unit(benchmark::kMicrosecond);
BENCHMARK(noiseFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(noiseCpuShare)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(bareRepaintCpuShare)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(closeSavesSettings)->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK(saveImage)->Unit(benchmark::kMillisecond);
BENCHMARK(undoOrRedoPageTool)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(wholeImageTool)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(generatePreviewKeystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(importPreview)->Unit(benchmark::kMicrosecond);
BENCHMARK(loadImage)->Arg(2048)->Arg(int64_t(4) << 30)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    window = std::make_unique<Window>();
    showOverview(false); // the figures without it unless a benchmark shows it
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    window.reset();
    return 0;
}
