// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainUnit.h"

#include "BmpDecoder.h"
#include "ClientArea.h"
#include "ErrorBox.h"
#include "GlyphChoice.h"
#include "ImageDecoder.h"
#include "ImageFileDialog.h"
#include "ImageReader.h"
#include "LabelStrip.h"
#include "LedIndicator.h"
#include "LedPanel.h"
#include "MainLayout.h"
#include "global.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

namespace {
const QString StateOn = QStringLiteral("On");
const QString StateOff = QStringLiteral("Off");
constexpr int Timer1DesignInterval = 100;
constexpr int Timer2Interval = 5;
constexpr Qt::KeyboardModifiers NoiseModifiers = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
} // namespace

TForm1::TForm1(Global &global, QWidget *parent)
    : QMainWindow(parent)
    , m_global(global)
{
    setObjectName(QStringLiteral("Form1"));
    // A fixed single border with the system menu only: no minimise or maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint);
    m_clientArea = new ClientArea(this);
    setCentralWidget(m_clientArea);
    MainLayout::build(m_clientArea);
    findControls();
    createMenu();
    // The client area below the menu bar has the designed size; the window fits around it.
    m_clientArea->setFixedSize(MainLayout::ClientSize);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setTimerType(Qt::PreciseTimer);
    m_timer1->setInterval(Timer1DesignInterval);
    m_timer2 = new QTimer(this);
    m_timer2->setObjectName(QStringLiteral("Timer2"));
    m_timer2->setTimerType(Qt::PreciseTimer);
    m_timer2->setInterval(Timer2Interval);
    connect(m_timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);

    m_askForImagePath = &ImageFileDialog::ask;
    m_global.mainForm = this;
    FormCreate();
}

TForm1::~TForm1()
{
    FormDestroy();
    if (m_global.mainForm == this)
        m_global.mainForm = nullptr;
}

void TForm1::findControls()
{
    m_matrixPanel = m_clientArea->findChild<LedPanel *>(QStringLiteral("Panel1"));
    m_previewPanel = m_clientArea->findChild<LedPanel *>(QStringLiteral("PreviewPanel"));
    for (int n = 1; n <= MainLayout::MatrixLedCount; ++n)
        m_matrix[static_cast<std::size_t>(n - 1)] = m_matrixPanel->indicators().at(n - 1);
    for (int i = 1; i <= PreviewLedCount; ++i)
        m_preview[static_cast<std::size_t>(i - 1)] = m_previewPanel->indicators().at(i - 1);
    m_position = m_clientArea->findChild<QLineEdit *>(QStringLiteral("position"));
    m_checkBox1 = m_clientArea->findChild<QCheckBox *>(QStringLiteral("CheckBox1"));
    m_trackBar1 = m_clientArea->findChild<QSlider *>(QStringLiteral("TrackBar1"));
    m_trackBar1->setRange(1, 20);
    m_trackBar1->setValue(10);
    // 1 at the top: both the picture and the keys are turned round.
    m_trackBar1->setInvertedAppearance(true);
    m_trackBar1->setInvertedControls(true);
    m_trackBar1->setTickPosition(QSlider::TicksBothSides);
    m_trackBar1->installEventFilter(this);
    m_position->setMaxLength(2);
    connect(m_clientArea->findChild<QPushButton *>(QStringLiteral("Button2")), &QPushButton::clicked, this,
        &TForm1::Button2Click);
}

void TForm1::createMenu()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("File"));
    const QImage folder = BmpDecoder::load(QStringLiteral(":/resources/OpenFolder.bmp"));
    QAction *load = file->addAction(QIcon(QPixmap::fromImage(GlyphBitmaps::withTransparentKey(folder))),
        QStringLiteral("Load"), this, &TForm1::Load1Click);
    load->setObjectName(QStringLiteral("Load1"));
    load->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    file->addSeparator();
    QAction *exit = file->addAction(QStringLiteral("Exit"), this, &TForm1::Exit1Click);
    exit->setObjectName(QStringLiteral("Exit1"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    QAction *options = menuBar()->addAction(QStringLiteral("Options"), this, &TForm1::Options1Click);
    options->setObjectName(QStringLiteral("Options1"));
    QAction *about = menuBar()->addAction(QStringLiteral("About"), this, &TForm1::About1Click);
    about->setObjectName(QStringLiteral("About1"));
}

void TForm1::FormCreate()
{
    m_executableDir = QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1Char('/');
    m_openDialogInitialDir = m_executableDir;
    m_clientArea->createNoiseBitmap(MainLayout::ClientSize);
    setWindowTitle(QStringLiteral("Glimmerview FINAL Version"));
    m_global.glyphs.load();
    m_image.clearWorkingPage();
    for (std::uint16_t n = 1; n <= EffectImage::LedsPerPage; ++n)
        setLed(n, EffectImage::Off, false);
    m_image.fillAllPagesOff();
    writeLabelStrips();
    prev_reset();
    CheckBox1Click();
}

void TForm1::writeLabelStrips()
{
    const auto strip
        = [this](const char *name) { return m_clientArea->findChild<LabelStrip *>(QString::fromUtf8(name)); };
    for (int c = 1; c <= 16; ++c) {
        strip("StringGrid1")->setCell(c, 0, QString::number(17 - c));
        strip("StringGrid4")->setCell(c, 0, QString::number(17 - c));
        strip("StringGrid2")->setCell(0, c - 1, QString::number(c));
        strip("StringGrid3")->setCell(0, c - 1, QString::number(c));
    }
}

void TForm1::FormCloseQuery()
{
    // The colour settings are kept with the settings file; until it exists there is nothing to save.
}

void TForm1::FormDestroy()
{
    m_clientArea->freeNoiseBitmap();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    ErrorBox::guard(this, [this] { FormCloseQuery(); });
    event->accept(); // closing is always allowed
}

LedIndicator *TForm1::ledButton(std::uint16_t n) const
{
    if (n >= 1 && n <= EffectImage::LedsPerPage)
        return m_matrix[n - 1u];
    Q_ASSERT(n >= FirstPreviewLed && n < FirstPreviewLed + PreviewLedCount);
    return m_preview[static_cast<std::size_t>(n - FirstPreviewLed)];
}

const QImage *TForm1::glyphImage(int column, bool unlit) const
{
    const QImage &image = m_global.glyphs.drawable(GlyphChoice::glyphFor(m_global.colours, column, unlit));
    return image.isNull() ? nullptr : &image;
}

void TForm1::setLed(std::uint16_t n, std::uint8_t state, bool force)
{
    LedIndicator *led = ledButton(n);
    if (!force
        && ((state == EffectImage::On && led->stateText() == StateOn)
            || (state == EffectImage::Off && led->stateText() == StateOff)))
        return;
    led->setStateText(state == EffectImage::Off ? StateOff : StateOn);
    const int column = n <= EffectImage::LedsPerPage ? (n - 1) % 16 + 1 : (n - FirstPreviewLed) % 16 + 1;
    led->setGlyph(glyphImage(column, state != EffectImage::On));
}

void TForm1::positionChange()
{
    const std::uint16_t page = m_image.currentPage();
    if (!EffectImage::isValidPage(page))
        return;
    m_position->setText(QString::number(page));
    m_image.loadWorkingPage();
    m_matrixPanel->beginUpdate();
    for (std::uint16_t n = 1; n <= EffectImage::LedsPerPage; ++n)
        setLed(n, m_image.workingEntry(n - 1), false);
    m_matrixPanel->endUpdate();
}

void TForm1::redraw_all()
{
    m_matrixPanel->beginUpdate();
    for (std::uint16_t n = 1; n <= EffectImage::LedsPerPage; ++n)
        setLed(n, m_image.workingEntry(n - 1), true);
    m_matrixPanel->endUpdate();
}

void TForm1::prev_reset()
{
    m_previewPanel->beginUpdate();
    for (std::uint16_t i = 1; i <= PreviewLedCount; ++i)
        setLed(static_cast<std::uint16_t>(500 + i), EffectImage::Off, true);
    m_previewPanel->endUpdate();
}

void TForm1::Load1Click()
{
    Button2Click();
}

void TForm1::Button2Click()
{
    ErrorBox::guard(this, [this] {
        m_image.storeBack();
        if (const std::optional<QString> path = m_askForImagePath(this, m_openDialogInitialDir, m_openDialogDefaultExt))
            loadImageFile(*path);
        m_image.setCurrentPage(1);
        positionChange();
    });
}

void TForm1::loadImageFile(const QString &path)
{
    const ImageLayout layout = ImageDecoder::layoutForPath(path);
    const QByteArray bytes = ImageReader::readHead(path, ImageDecoder::byteCount(layout));
    ImageDecoder::decode(bytes, layout, m_image);
}

void TForm1::Exit1Click()
{
    close();
}

void TForm1::Options1Click()
{
    // The Options dialog comes with the settings work.
}

void TForm1::About1Click()
{
    // The About window comes with its own work.
}

void TForm1::CheckBox1Click()
{
    if (m_checkBox1->isChecked())
        m_timer1->start();
    else
        m_timer1->stop();
    m_previewRow = 0;
    if (!m_checkBox1->isChecked())
        prev_reset();
}

void TForm1::Timer2Timer()
{
    m_clientArea->drawNoise();
}

void TForm1::TrackBar1KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (key != Qt::Key_U || modifiers != NoiseModifiers)
        return;
    if (m_timer2->isActive())
        m_timer2->stop();
    else
        m_timer2->start();
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_trackBar1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        TrackBar1KeyDown(key->key(), key->modifiers());
    }
    return QMainWindow::eventFilter(watched, event);
}
