// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainwindow/MainWindow.h"

#include "about/AboutDialog.h"
#include "common/DesktopEnvironment.h"
#include "common/GlyphChoice.h"
#include "common/LocalPath.h"
#include "common/ProgramTexts.h"
#include "common/ScreenFit.h"
#include "effect/ImageEncoder.h"
#include "effect/ImageFile.h"
#include "effect/PageNavigation.h"
#include "effect/PreviewController.h"
#include "mainwindow/ClientArea.h"
#include "mainwindow/ClockSlider.h"
#include "mainwindow/EffectDocument.h"
#include "mainwindow/ImageFileDialog.h"
#include "mainwindow/LabelStrip.h"
#include "mainwindow/MainMenu.h"
#include "mainwindow/MainWindowSettingsHost.h"
#include "mainwindow/PageEditKeys.h"
#include "options/OptionsDialog.h"
#include "recovery/RecoveryKeeper.h"
#include "settings/ColourValues.h"
#include "settings/SettingsLocation.h"
#include "settings/WindowSettings.h"
#include "widgets/ErrorBox.h"
#include "widgets/LedIndicator.h"
#include "widgets/LedPanel.h"
#include "widgets/WindowFont.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QTimer>
#include <QUndoStack>
#include <cstdio>

namespace {
constexpr int DesignClockPosition = 10;
constexpr int PageEditLength = 2;

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}
} // namespace

MainWindow::MainWindow(std::shared_ptr<const DesktopEnvironment> environment, QWidget *parent)
    : QMainWindow(parent)
    , m_environment(std::move(environment))
    , m_openDialog {QString(), text(Texts::DefaultImagePattern)}
{
    setObjectName(QStringLiteral("Form1"));
    setAcceptDrops(true); // one image file, dropped from a file manager
    setFont(WindowFont::font(font()));
    // A fixed single border with the system menu only: no minimise or maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint);
    m_document = new EffectDocument(m_image, this);
    m_recovery = new RecoveryKeeper(
        *m_document->history(),
        [this] {
            return RecoveryCopy {m_document->path(), m_document->layout(), QDateTime::currentDateTime(),
                ImageEncoder::encode(m_image, ImageLayout::Bits16)};
        },
        m_environment->userStateFolder() + QStringLiteral("/Glimmerview/recovery"), this);
    m_clientArea = new ClientArea(this);
    setCentralWidget(m_clientArea);
    m_controls = MainLayout::build(m_clientArea);
    setUpControls();
    createMenu();
    // The client area below the menu bar has the designed size; the window fits around it.
    m_clientArea->setFixedSize(MainLayout::ClientSize);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    createTimers();
    connectControls();

    m_askForImagePath = &ImageFileDialog::ask;
    m_settingsHost
        = std::make_unique<MainWindowSettingsHost>(*this, *m_controls.clockSlider, m_openDialog, *m_environment);
    m_settings = std::make_unique<WindowSettings>(*m_settingsHost, text(Texts::SettingsSection),
        QStringList {
            text(Texts::DefaultExtProperty), text(Texts::ClockPositionProperty), text(Texts::InitialDirProperty)},
        ColourValues::storedValues());
    startUp();
}

MainWindow::~MainWindow()
{
    // Before the history: a history that goes clears itself, which would look like a save.
    delete m_recovery;
    // Destroyed without a close (never in normal use): the settings are saved once more. No box
    // from a window that is going: a failure goes to standard error.
    if (!m_closed && !m_settings->savedSinceRestore()) {
        try {
            m_settings->savePass(true);
        } catch (const AppError &error) {
            std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        }
    }
    m_clientArea->freeNoiseBitmap();
}

void MainWindow::setUpControls()
{
    QSlider *clock = m_controls.clockSlider;
    clock->setValue(DesignClockPosition);
    // 1 at the top: both the picture and the keys are turned round.
    clock->setInvertedAppearance(true);
    clock->setInvertedControls(true);
    clock->setTickPosition(QSlider::TicksBothSides);
    m_clientArea->listenForNoiseKey(clock); // the hidden animation's key
    QLineEdit *pageEdit = m_controls.pageEdit;
    pageEdit->setMaxLength(PageEditLength);
    new PageEditKeys(pageEdit, this, [this] { goToTypedPage(); });
    // The matrix is the last stop of the Tab key; the enable box is the program's alone, so
    // neither the Tab key nor assistive technology may find it.
    m_controls.matrix->setKeyboardGrid(EffectImage::ColumnCount);
    m_controls.matrix->setPictureSource(&m_glyphs);
    m_controls.previewStrip->setPictureSource(&m_glyphs);
    setTabOrder(clock, m_controls.matrix);
    // A window of its own that never shows: assistive technology lists no window's children
    // among its parent's, so the box is in nobody's way.
    m_controls.previewEnabledBox->setWindowFlags(Qt::Window);
    m_controls.previewEnabledBox->hide();
}

void MainWindow::createMenu()
{
    MainMenu::Commands commands;
    commands.load = [this] { loadImage(); };
    commands.save = [this] { m_document->save(); };
    commands.saveAs = [this] { m_document->saveAs(); };
    commands.exportCArray = [this] { m_document->exportCArray(); };
    commands.exportPicture = [this] { m_document->exportPicture(m_colours); };
    commands.exit = [this] { close(); };
    commands.copyPage = [this] { m_document->copyPage(); };
    commands.pastePage = [this] { m_document->pastePage(); };
    commands.clearPage = [this] { m_document->clearPage(); };
    commands.fillPage = [this] { m_document->fillPage(); };
    commands.invertPage = [this] { m_document->invertPage(); };
    commands.options = [this] { showOptions(); };
    commands.about = [this] { showAbout(); };
    MainMenu::build(this, commands, m_document->history());
}

void MainWindow::createTimers()
{
    m_preview = new PreviewController(m_image, this);
}

void MainWindow::connectControls()
{
    connect(m_controls.loadButton, &QPushButton::clicked, this, &MainWindow::loadImage);
    connect(m_controls.goButton, &QPushButton::clicked, this, &MainWindow::goToTypedPage);
    connect(m_controls.nextPageButton, &QPushButton::clicked, this, &MainWindow::showNextPage);
    connect(m_controls.previousPageButton, &QPushButton::clicked, this, &MainWindow::showPreviousPage);
    // Only `clicked` comes from the user; ticking a box from the program runs no handler.
    connect(m_controls.singlePageBox, &QCheckBox::clicked, this, &MainWindow::onSinglePageClicked);
    connect(m_controls.multiPageBox, &QCheckBox::clicked, this, &MainWindow::onMultiPageClicked);
    connect(m_controls.previewEnabledBox, &QCheckBox::clicked, this, &MainWindow::applyPreviewEnabled);
    // The program's own changes of the position apply the rate only when the value changes
    // (valueChanged); every handling by the user applies it, even one that leaves the position
    // as it was: a click on the thumb, the end of a drag, a key at either end.
    QSlider *clock = m_controls.clockSlider;
    connect(clock, &QSlider::valueChanged, this, &MainWindow::applyClockRate);
    connect(clock, &QSlider::sliderPressed, this, &MainWindow::applyClockRate);
    connect(clock, &QSlider::sliderReleased, this, &MainWindow::applyClockRate);
    connect(clock, &QSlider::actionTriggered, this, &MainWindow::applyClockRate);
    connect(m_preview, &PreviewController::pageTurned, this, &MainWindow::showCurrentPage);
    connect(m_preview, &PreviewController::rowChanged, this, &MainWindow::showPreviewRow);
    // Read at every tick as the box stands, however it was ticked.
    connect(m_controls.multiPageBox, &QCheckBox::toggled, m_preview, [this](bool allPages) {
        m_preview->setMode(allPages ? PreviewPlayer::Mode::AllPages : PreviewPlayer::Mode::SinglePage);
    });
    connect(m_controls.matrix, &LedPanel::pressed, this, &MainWindow::onLedPressed);
    connect(m_controls.matrix, &LedPanel::moved, this, &MainWindow::onLedDragged);
    connect(m_controls.matrix, &LedPanel::released, this, &MainWindow::onMatrixReleased);
    connect(m_document, &EffectDocument::pageChanged, this, &MainWindow::showChangedPage);
    connect(m_document, &EffectDocument::pathChanged, this, &MainWindow::showFileInTitle);
    connect(m_document->history(), &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (windowTitle().contains(QLatin1String("[*]")))
            setWindowModified(!clean);
    });
}

void MainWindow::startUp()
{
    m_executableDir = m_environment->executableFolder() + QLatin1Char('/') + QLatin1Char('/');
    m_settingsLocation = SettingsLocation::choose(*m_environment, m_executableDir);
    m_openDialog.initialDir = m_settingsLocation.openDialogFolder;
    m_clientArea->createNoiseBitmap(MainLayout::ClientSize);
    setWindowTitle(text(Texts::MainWindowTitle));
    m_settings->setIniFileName(m_settingsLocation.iniPath);
    m_settings->restorePass();
    m_settings->reloadStoredValues();
    ColourValues::copyIn(*m_settings, m_colours);
    m_glyphs.load();
    m_image.clearWorkingPage();
    for (int n = 1; n <= EffectImage::LedsPerPage; ++n)
        setLed(n, EffectImage::Off, false);
    m_image.fillAllPagesOff();
    MainLayout::writeLabelStrips(m_controls);
    clearPreviewStrip();
    applyPreviewEnabled();
}

void MainWindow::saveSettings()
{
    if (!m_settingsLocation.besideExecutable) // the user's folder is made when first needed
        QDir().mkpath(QFileInfo(m_settingsLocation.iniPath).path());
    ColourValues::copyOut(m_colours, *m_settings);
    m_settings->saveOnClose();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Changes not yet saved are never lost without a word; Cancel keeps everything as it was,
    // the settings file included. A termination signal may end the question (m_closed).
    if (!m_closed && m_askBeforeClosing) {
        if (!m_document->maybeSave() && !m_closed) {
            event->ignore();
            return;
        }
        if (!m_closed) {
            // Closed from here on: a signal while the error box below is up must not keep edits
            // the user has just saved or discarded.
            m_closed = true;
            m_recovery->discard();
            // Closing is always allowed, even when the settings cannot be written: the user can
            // always quit. The settings are written once, so a close shows at most one error box.
            ErrorBox::guard(this, [this] { saveSettings(); });
        }
    }
    finishWithoutAsking();
    event->accept();
}

void MainWindow::finishWithoutAsking()
{
    if (m_closed)
        return;
    m_closed = true;
    m_recovery->writeNow();
    try {
        saveSettings();
    } catch (const AppError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
    }
}

void MainWindow::endOnRequest()
{
    // Done here, not in a close: a close already under way (its question open) would not
    // start another.
    finishWithoutAsking();
    hide();
    // Every event loop ends, the modal windows' too; their exec() returns at once from now on.
    QCoreApplication::exit(0);
}

void MainWindow::showFileInTitle(const QString &path)
{
    const QString title = text(Texts::MainWindowTitle);
    // Without a file the title is the program's alone; Qt shows "*" for [*] while modified.
    if (path.isEmpty()) {
        setWindowTitle(title);
        return;
    }
    setWindowTitle(LocalPath::displayed(QFileInfo(path).fileName()) + QStringLiteral("[*] \u2014 ") + title);
    setWindowModified(m_document->isModified());
}

void MainWindow::showEvent(QShowEvent *event)
{
    if (!m_shown) {
        m_shown = true;
        // The first control of the design takes the keys: a stray Space edits nothing.
        m_controls.pageEdit->setFocus(Qt::OtherFocusReason);
        m_settings->restorePass(); // restored once more on first show, where the frame is known
        // Larger than the screen (a high scale on a small screen), it still opens with its title
        // and menu bar where they can be reached.
        const QPoint reachable
            = ScreenFit::reachablePosition(frameGeometry(), ScreenFit::MinimumTitleHeight, ScreenFit::workAreas());
        if (reachable != frameGeometry().topLeft())
            move(reachable);
    }
    QMainWindow::showEvent(event);
}

QTimer *MainWindow::previewTimer() const
{
    return m_preview->timer();
}

int MainWindow::previewRow() const
{
    return m_preview->row();
}

QTimer *MainWindow::noiseTimer() const
{
    return m_clientArea->noiseTimer();
}

LedIndicator *MainWindow::ledIndicator(int n) const
{
    Q_ASSERT(LedStates::isLedNumber(n));
    if (LedStates::isMatrixLed(n))
        return m_controls.matrix->indicators().at(n - 1);
    return m_controls.previewStrip->indicators().at(n - LedStates::FirstPreviewLed);
}

const QImage *MainWindow::glyphImage(int column, bool unlit) const
{
    const QImage &image = m_glyphs.drawable(GlyphChoice::glyphFor(m_colours, column, unlit));
    return image.isNull() ? nullptr : &image;
}

void MainWindow::setLed(int n, std::uint8_t state, bool force)
{
    if (!m_ledStates.change(n, state, force))
        return;
    LedIndicator *indicator = ledIndicator(n);
    indicator->setGlyph(glyphImage(LedStates::columnOf(n), state != EffectImage::On));
    indicator->setLit(state == EffectImage::On);
}

void MainWindow::showCurrentPage()
{
    const std::uint16_t page = m_image.currentPage();
    if (!EffectImage::isValidPage(page))
        return;
    m_controls.pageEdit->setText(QString::number(page));
    m_image.loadWorkingPage();
    m_controls.matrix->beginUpdate();
    for (int n = 1; n <= EffectImage::LedsPerPage; ++n)
        setLed(n, m_image.workingEntry(n - 1), false);
    m_controls.matrix->endUpdate();
}

void MainWindow::refreshMatrix()
{
    m_controls.matrix->beginUpdate();
    for (int n = 1; n <= EffectImage::LedsPerPage; ++n)
        setLed(n, m_image.workingEntry(n - 1), true);
    m_controls.matrix->endUpdate();
}

void MainWindow::clearPreviewStrip()
{
    m_controls.previewStrip->beginUpdate();
    for (int i = 0; i < LedStates::PreviewLedCount; ++i)
        setLed(LedStates::FirstPreviewLed + i, EffectImage::Off, true);
    m_controls.previewStrip->endUpdate();
}

void MainWindow::loadImage()
{
    loadFrom([this] { return m_askForImagePath(this, m_openDialog.initialDir, m_openDialog.defaultExt); });
}

void MainWindow::loadImageFile(const QString &path)
{
    loadFrom([&path] { return std::optional<QString>(path); });
}

void MainWindow::loadFrom(const std::function<std::optional<QString>()> &choosePath)
{
    if (!m_document->maybeSave())
        return;
    ErrorBox::guard(this, [&] {
        m_image.storeBack();
        if (const std::optional<QString> path = choosePath()) // nothing: page 1 all the same
            m_document->loaded(*path, ImageFile::load(*path, m_image));
        m_image.setCurrentPage(1);
        showCurrentPage();
    });
}

void MainWindow::closeWithoutAsking()
{
    m_askBeforeClosing = false;
    close();
}

void MainWindow::offerRecovery()
{
    for (const RecoveryStore::LeftBehind &left : m_recovery->store().claimLeftBehind()) {
        const QString file
            = left.copy.imagePath.isEmpty() ? QStringLiteral("Untitled") : LocalPath::displayed(left.copy.imagePath);
        QMessageBox box(QMessageBox::Question, ErrorBox::title(),
            QStringLiteral("Recover the unsaved changes to %1 from %2?")
                .arg(file, QLocale().toString(left.copy.savedAt.toLocalTime(), QLocale::ShortFormat)),
            QMessageBox::Discard, this);
        box.setObjectName(QStringLiteral("RecoveryQuestion"));
        QPushButton *recover = box.addButton(QStringLiteral("&Recover"), QMessageBox::AcceptRole);
        box.button(QMessageBox::Discard)->setText(QStringLiteral("&Discard"));
        box.setDefaultButton(recover);
        box.exec();
        if (box.clickedButton() == recover) {
            m_image.storeBack();
            ImageDecoder::decode(left.copy.image, ImageLayout::Bits16, m_image);
            m_document->recovered(left.copy);
            m_image.setCurrentPage(1);
            showCurrentPage();
            m_recovery->writeNow(); // this run's copy first, then the old one goes
            m_recovery->store().drop(left.id);
            return; // any others wait for a later start
        }
        if (box.clickedButton() == box.button(QMessageBox::Discard))
            m_recovery->store().drop(left.id);
        else
            return; // closed unanswered: kept for a later start
    }
}

std::optional<QString> MainWindow::droppedImagePath(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().constFirst().isLocalFile())
        return std::nullopt;
    const QString path = data->urls().constFirst().toLocalFile();
    return QFileInfo(path).isFile() ? std::optional<QString>(path) : std::nullopt;
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    // Refused here, the pointer shows before the drop that nothing would happen.
    if (droppedImagePath(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const std::optional<QString> path = droppedImagePath(event->mimeData());
    if (!path) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    loadImageFile(*path);
}

std::unique_ptr<OptionsDialog> MainWindow::createOptionsDialog()
{
    auto dialog = std::make_unique<OptionsDialog>(m_colours, m_glyphs, this);
    connect(dialog.get(), &OptionsDialog::coloursAccepted, this, &MainWindow::applyColours);
    return dialog;
}

void MainWindow::showOptions()
{
    createOptionsDialog()->exec();
}

void MainWindow::applyColours(const ColourSettings &colours)
{
    m_colours = colours;
    refreshMatrix();
    clearPreviewStrip();
}

void MainWindow::showAbout()
{
    AboutDialog about(this);
    about.exec();
}

void MainWindow::applyPreviewEnabled()
{
    const bool enabled = m_controls.previewEnabledBox->isChecked();
    m_preview->setRunning(enabled);
    if (!enabled)
        clearPreviewStrip();
}

void MainWindow::showTypedPage()
{
    QLineEdit *pageEdit = m_controls.pageEdit;
    if (pageEdit->text().isEmpty())
        pageEdit->setText(text(Texts::FirstPageText));
    const std::uint16_t page = PageNavigation::pageFromText(pageEdit->text());
    pageEdit->setText(QString::number(page));
    m_image.setCurrentPage(page);
    showCurrentPage();
}

void MainWindow::goToTypedPage()
{
    ErrorBox::guard(this, [this] { showTypedPage(); });
}

void MainWindow::stepToPage(std::uint16_t page)
{
    m_image.storeBack();
    m_image.setCurrentPage(page);
    showCurrentPage();
    m_preview->restartPeriod();
}

void MainWindow::showNextPage()
{
    stepToPage(PageNavigation::nextPage(m_image.currentPage()));
}

void MainWindow::showPreviousPage()
{
    stepToPage(PageNavigation::previousPage(m_image.currentPage()));
}

void MainWindow::applyClockRate()
{
    m_preview->setRowsPerSecond(static_cast<ClockSlider *>(m_controls.clockSlider)->rowsPerSecond());
}

void MainWindow::onSinglePageClicked()
{
    const bool ticked = m_controls.singlePageBox->isChecked();
    if (ticked)
        m_controls.multiPageBox->setChecked(false);
    m_controls.previewEnabledBox->setChecked(ticked);
    applyPreviewEnabled();
}

void MainWindow::onMultiPageClicked()
{
    const bool ticked = m_controls.multiPageBox->isChecked();
    if (ticked)
        m_controls.singlePageBox->setChecked(false);
    m_controls.previewEnabledBox->setChecked(ticked);
    applyPreviewEnabled();
}

void MainWindow::showPreviewRow()
{
    const std::array<std::uint8_t, 16> row = m_preview->rowStates();
    m_controls.previewStrip->beginUpdate();
    for (int i = 0; i < LedStates::PreviewLedCount; ++i)
        setLed(LedStates::FirstPreviewLed + i, row[static_cast<std::size_t>(i)], false);
    m_controls.previewStrip->endUpdate();
}

void MainWindow::onLedPressed(LedIndicator *indicator, Qt::MouseButton button)
{
    const int page = m_image.currentPage();
    const EffectImage::Page before = m_image.page(page);
    if (button == Qt::RightButton) // the start of a stroke: one step when the button is let go
        m_document->paintOn(page);
    pressLed(indicator);
    if (button != Qt::RightButton)
        m_document->recordChange(page, before, QStringLiteral("Toggle LED"));
}

void MainWindow::onLedDragged(LedIndicator *indicator, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    m_painting = buttons == Qt::RightButton && modifiers == Qt::NoModifier;
    if (!m_painting)
        return;
    // A stroke the preview turned the page under is one step: showing it, the window turns back
    // to the page playing now.
    const std::uint16_t playing = m_image.currentPage();
    if (m_document->paintOn(playing))
        showChangedPage(playing);
    pressLed(indicator);
}

void MainWindow::onMatrixReleased(Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        m_document->finishStroke();
}

void MainWindow::showChangedPage(int page)
{
    m_image.setCurrentPage(static_cast<std::uint16_t>(page));
    showCurrentPage();
}

void MainWindow::pressLed(LedIndicator *indicator)
{
    const int n = static_cast<int>(m_controls.matrix->indicators().indexOf(indicator)) + 1;
    Q_ASSERT(LedStates::isMatrixLed(n));
    const std::uint8_t state = LedStates::pressedState(m_ledStates.shown(n), m_painting);
    setLed(n, state, true); // always redrawn: no skip rule here
    m_image.setWorkingEntry(n - 1, state);
    m_image.storeBack();
}
