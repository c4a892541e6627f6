// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainUnit.h"

#include "AboutUnit.h"
#include "BmpDecoder.h"
#include "ClientArea.h"
#include "ColourValues.h"
#include "ErrorBox.h"
#include "FormStorage.h"
#include "GlyphChoice.h"
#include "ImageDecoder.h"
#include "ImageFileDialog.h"
#include "ImageReader.h"
#include "LabelStrip.h"
#include "LedIndicator.h"
#include "LedPanel.h"
#include "MainFormHost.h"
#include "MainLayout.h"
#include "PageNavigation.h"
#include "WindowFont.h"
#include "global.h"
#include "options_unit.h"

#include <QCheckBox>
#include <QCloseEvent>
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
    setFont(WindowFont::font(font()));
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
    connectHandlers();

    m_askForImagePath = &ImageFileDialog::ask;
    m_formHost = std::make_unique<MainFormHost>(*this, *m_global.environment);
    m_formStorage = std::make_unique<FormStorage>(*m_formHost, QStringLiteral("TForm1"),
        QStringList {QStringLiteral("OpenDialog.DefaultExt"), QStringLiteral("TrackBar1.Position"),
            QStringLiteral("OpenDialog.InitialDir")},
        ColourValues::storedValues());
    m_global.mainForm = this;
    FormCreate();
}

TForm1::~TForm1()
{
    // Destroyed without a close (never in normal use): the settings are saved once more.
    if (!m_closed && !m_formStorage->savedSinceRestore())
        ErrorBox::guard(nullptr, [this] { m_formStorage->savePass(true); }); // no parent: it is going
    FormDestroy();
    if (m_global.mainForm == this)
        m_global.mainForm = nullptr;
}

void TForm1::findControls()
{
    m_matrixPanel = m_clientArea->findChild<LedPanel *>(QStringLiteral("Panel1"));
    m_previewPanel = m_clientArea->findChild<LedPanel *>(QStringLiteral("PreviewPanel"));
    m_position = m_clientArea->findChild<QLineEdit *>(QStringLiteral("position"));
    m_checkBox1 = m_clientArea->findChild<QCheckBox *>(QStringLiteral("CheckBox1"));
    m_previewOne = m_clientArea->findChild<QCheckBox *>(QStringLiteral("PREVIEW_one"));
    m_previewAll = m_clientArea->findChild<QCheckBox *>(QStringLiteral("PREVIEW_ALL"));
    m_trackBar1 = m_clientArea->findChild<QSlider *>(QStringLiteral("TrackBar1"));
    m_trackBar1->setRange(1, 20);
    m_trackBar1->setValue(10);
    // 1 at the top: both the picture and the keys are turned round.
    m_trackBar1->setInvertedAppearance(true);
    m_trackBar1->setInvertedControls(true);
    m_trackBar1->setTickPosition(QSlider::TicksBothSides);
    m_trackBar1->installEventFilter(this);
    m_position->setMaxLength(2);
    // Only typed characters pass the filter; drops and input-method text would get round it.
    m_position->setAcceptDrops(false);
    m_position->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_position->installEventFilter(this);
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
    m_executableDir = m_global.environment->executableFolder() + QLatin1Char('/') + QLatin1Char('/');
    m_openDialogInitialDir = m_executableDir;
    m_clientArea->createNoiseBitmap(MainLayout::ClientSize);
    setWindowTitle(QStringLiteral("Glimmerview FINAL Version"));
    m_formStorage->setIniFileName(m_executableDir + QStringLiteral("Glimmerview.ini"));
    m_formStorage->restorePass();
    m_formStorage->reloadStoredValues();
    ColourValues::copyIn(*m_formStorage, m_global.colours);
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
    ColourValues::copyOut(m_global.colours, *m_formStorage);
    m_formStorage->saveStoredValues();
}

void TForm1::FormDestroy()
{
    m_clientArea->freeNoiseBitmap();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // Closing is always allowed, even when the settings cannot be written: the user can always
    // quit. After a failed copy-out the component's own save is skipped, so one close shows at
    // most one error box.
    if (ErrorBox::guard(this, [this] { FormCloseQuery(); }))
        ErrorBox::guard(this, [this] { m_formStorage->savePass(); });
    m_closed = true;
    event->accept();
}

void TForm1::showEvent(QShowEvent *event)
{
    if (!m_shown) {
        m_shown = true;
        m_formStorage->restorePass(); // the settings component restores once more on first show
    }
    QMainWindow::showEvent(event);
}

LedIndicator *TForm1::ledButton(std::uint16_t n) const
{
    if (n >= 1 && n <= EffectImage::LedsPerPage)
        return m_matrixPanel->indicators().at(n - 1);
    Q_ASSERT(n >= FirstPreviewLed && n < FirstPreviewLed + PreviewLedCount);
    return m_previewPanel->indicators().at(n - FirstPreviewLed);
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
    TOptionsForm dialog(m_global, this);
    dialog.exec();
}

void TForm1::About1Click()
{
    TAboutForm about(this);
    about.exec();
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
    const bool keyEvent = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (watched == m_position && keyEvent) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // The menu's shortcuts win over the box's own editing keys (Ctrl+X is Exit, not Cut).
        if (event->type() == QEvent::ShortcutOverride && isMenuShortcut(*key))
            return true;
        if (event->type() == QEvent::KeyPress && positionKeyPress(*key))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::connectHandlers()
{
    const auto button
        = [this](const char *name) { return m_clientArea->findChild<QPushButton *>(QString::fromUtf8(name)); };
    connect(button("Button2"), &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(button("xpButton1"), &QPushButton::clicked, this, &TForm1::xpButton1Click);
    connect(button("Button7"), &QPushButton::clicked, this, &TForm1::Button7Click);
    connect(button("Button8"), &QPushButton::clicked, this, &TForm1::Button8Click);
    // Only `clicked` comes from the user; ticking a box from the program runs no handler.
    connect(m_previewOne, &QCheckBox::clicked, this, &TForm1::PREVIEW_oneClick);
    connect(m_previewAll, &QCheckBox::clicked, this, &TForm1::PREVIEW_ALLClick);
    connect(m_checkBox1, &QCheckBox::clicked, this, &TForm1::CheckBox1Click);
    // The program's own changes of the position run the handler only when the value changes
    // (valueChanged); every handling by the user runs it, even one that leaves the position as
    // it was: a click on the thumb, the end of a drag, a key at either end.
    connect(m_trackBar1, &QSlider::valueChanged, this, &TForm1::TrackBar1Change);
    connect(m_trackBar1, &QSlider::sliderPressed, this, &TForm1::TrackBar1Change);
    connect(m_trackBar1, &QSlider::sliderReleased, this, &TForm1::TrackBar1Change);
    connect(m_trackBar1, &QSlider::actionTriggered, this, &TForm1::TrackBar1Change);
    connect(m_timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(m_matrixPanel, &LedPanel::pressed, this, &TForm1::SpeedButton1MouseDown);
    connect(m_matrixPanel, &LedPanel::moved, this, &TForm1::SpeedButton102MouseMove);
}

bool TForm1::isMenuShortcut(const QKeyEvent &event) const
{
    const QKeySequence pressed(event.keyCombination());
    const QList<QAction *> actions = findChildren<QAction *>();
    return std::any_of(
        actions.begin(), actions.end(), [&pressed](const QAction *action) { return action->shortcut() == pressed; });
}

bool TForm1::positionKeyPress(const QKeyEvent &event)
{
    const QString text = event.text();
    // Keys that type no character (arrows, Home, End, Delete, Shift+Insert) are not filtered;
    // neither is Tab, which moves the focus before any character is typed. X11 gives Delete a
    // text of its own, but it types nothing.
    static const std::array NotCharacters {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Delete};
    if (text.isEmpty() || std::find(NotCharacters.begin(), NotCharacters.end(), event.key()) != NotCharacters.end())
        return false;
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    if (enter) {
        ErrorBox::guard(this, [this] { positionEnter(); });
        return false;
    }
    const bool digit = text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9');
    return !(digit || event.key() == Qt::Key_Backspace);
}

void TForm1::positionEnter()
{
    if (m_position->text().isEmpty())
        m_position->setText(QStringLiteral("1"));
    const std::uint16_t page = PageNavigation::pageFromText(m_position->text());
    m_position->setText(QString::number(page));
    m_image.setCurrentPage(page);
    positionChange();
}

void TForm1::xpButton1Click()
{
    ErrorBox::guard(this, [this] { positionEnter(); });
}

void TForm1::stepPage(std::uint16_t page)
{
    m_timer1->stop();
    m_image.storeBack();
    m_image.setCurrentPage(page);
    positionChange();
    if (m_checkBox1->isChecked())
        m_timer1->start(); // a fresh period
}

void TForm1::Button7Click()
{
    stepPage(PageNavigation::nextPage(m_image.currentPage()));
}

void TForm1::Button8Click()
{
    stepPage(PageNavigation::previousPage(m_image.currentPage()));
}

void TForm1::TrackBar1Change()
{
    const int interval = 1000 / (21 - m_trackBar1->value());
    if (interval != m_timer1->interval())
        m_timer1->setInterval(interval); // an equal interval must not restart the period
}

void TForm1::PREVIEW_oneClick()
{
    if (m_previewOne->isChecked())
        m_previewAll->setChecked(false);
    m_checkBox1->setChecked(m_previewOne->isChecked());
    CheckBox1Click();
}

void TForm1::PREVIEW_ALLClick()
{
    if (m_previewAll->isChecked())
        m_previewOne->setChecked(false);
    m_checkBox1->setChecked(m_previewAll->isChecked());
    CheckBox1Click();
}

void TForm1::Timer1Timer()
{
    if (++m_previewRow > 15) {
        m_previewRow = 0;
        if (m_previewAll->isChecked()) {
            m_image.setCurrentPage(PageNavigation::followingPage(m_image.currentPage()));
            positionChange();
        }
    }
    m_previewPanel->beginUpdate();
    for (int i = 1; i <= PreviewLedCount; ++i)
        setLed(static_cast<std::uint16_t>(500 + i), m_image.workingEntry(16 * m_previewRow + i - 1), false);
    m_previewPanel->endUpdate();
}

void TForm1::SpeedButton1MouseDown(LedIndicator *indicator)
{
    ledPress(indicator);
}

void TForm1::SpeedButton102MouseMove(LedIndicator *indicator, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    m_painting = false;
    if (buttons == Qt::RightButton && modifiers == Qt::NoModifier) {
        m_painting = true;
        ledPress(indicator);
    }
}

void TForm1::ledPress(LedIndicator *indicator)
{
    const int n = static_cast<int>(m_matrixPanel->indicators().indexOf(indicator)) + 1;
    Q_ASSERT(n >= 1 && n <= EffectImage::LedsPerPage);
    const QString &old = indicator->stateText();
    const bool lit = old.isEmpty() || m_painting || old == StateOff;
    const std::uint8_t state = lit ? EffectImage::On : EffectImage::Off;
    setLed(static_cast<std::uint16_t>(n), state, true); // always redrawn: no skip rule here
    m_image.setWorkingEntry(n - 1, state);
    m_image.storeBack();
}
