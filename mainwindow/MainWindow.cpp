// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainwindow/MainWindow.h"

#include "about/AboutDialog.h"
#include "chipview/ChipController.h"
#include "common/DesktopEnvironment.h"
#include "common/LocalPath.h"
#include "common/ProgramTexts.h"
#include "common/ScreenFit.h"
#include "common/XdgFolders.h"
#include "compare/ComparisonSession.h"
#include "compareview/ComparisonView.h"
#include "document/EffectDocument.h"
#include "effect/ImageEncoder.h"
#include "effect/PreviewController.h"
#include "exporting/Exports.h"
#include "generateview/GenerateDialog.h"
#include "mainwindow/ClientArea.h"
#include "mainwindow/ClockSlider.h"
#include "mainwindow/ImageCommands.h"
#include "mainwindow/ImageDropFilter.h"
#include "mainwindow/LedDisplay.h"
#include "mainwindow/MainMenu.h"
#include "mainwindow/MatrixEditor.h"
#include "mainwindow/PageControls.h"
#include "mainwindow/PreviewControls.h"
#include "mainwindow/RecoveryOffer.h"
#include "mainwindow/WindowPrompts.h"
#include "options/OptionsDialog.h"
#include "overview/OverviewDock.h"
#include "overview/PagesView.h"
#include "overview/TimeStrip.h"
#include "pictureview/ImportPictureDialog.h"
#include "recovery/RecoveryFolder.h"
#include "recovery/RecoveryKeeper.h"
#include "stationview/ProductionDialog.h"
#include "widgets/ErrorBox.h"
#include "widgets/LedPanel.h"
#include "widgets/SettingsDialog.h"
#include "widgets/WindowFont.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>

MainWindow::MainWindow(std::shared_ptr<const DesktopEnvironment> environment, QWidget *parent)
    : QMainWindow(parent)
    , m_environment(std::move(environment))
    , m_openDialog {QString(), QString::fromUtf8(Texts::DefaultImagePattern)}
{
    setObjectName(QStringLiteral("mainWindow"));
    setFont(WindowFont::font(font()));
    // A fixed single border with the system menu only: no minimise or maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint);
    m_prompts = std::make_unique<WindowPrompts>(this);
    m_document = new EffectDocument(*m_prompts, this);
    const RecoveryFolder recoveryFolder
        = RecoveryFolder::choose(m_environment->userStateFolder() + QStringLiteral("/Glimmerview/recovery"));
    m_recoveryNotice = recoveryFolder.notice;
    m_recovery = new RecoveryKeeper(
        *m_document->history(),
        [this] {
            return RecoveryCopy {m_document->path(), m_document->layout(), QDateTime::currentDateTime(),
                ImageEncoder::encode(m_document->image(), ImageLayout::Bits16), m_document->fileStamp()};
        },
        recoveryFolder.folder, this);
    connect(m_recovery, &RecoveryKeeper::cannotKeep, this, [this](const QString &message) {
        if (!m_closed)
            ErrorBox::show(this, message);
    });
    m_clientArea = new ClientArea(this);
    setCentralWidget(m_clientArea);
    m_controls = MainLayout::build(m_clientArea);
    const EffectImage &image = m_document->image();
    m_leds = std::make_unique<LedDisplay>(*m_controls.matrix, *m_controls.previewStrip, image, m_colours, m_glyphs);
    m_preview = new PreviewController(image, this);
    m_previewControls = new PreviewControls(m_controls, *m_preview, this);
    m_matrixEditor = new MatrixEditor(*m_controls.matrix, *m_leds, *m_document, this);
    m_pageControls = new PageControls(m_controls, *m_document, *m_leds, *m_preview, this);
    m_comparison = new ComparisonSession(image, this);
    m_comparisonView = new ComparisonView(*m_comparison, *m_controls.matrix, image, this);
    // The differences first: the overview and the matrix then draw their marks from them.
    connect(m_document, &EffectDocument::imageReplaced, m_comparison, &ComparisonSession::update);
    connect(m_document, &EffectDocument::pageChanged, m_comparison, &ComparisonSession::update);
    m_clientArea->listenForNoiseKey(m_controls.clockSlider); // the hidden animation's key
    createOverview();
    m_imageCommands = std::make_unique<ImageCommands>(
        *this, ImageCommands::Parts {*m_document, *m_comparison, *m_pageControls, m_openDialog});
    createMenu();
    createChipMenu();
    // The client area below the menu bar has the designed size; the window fits around it.
    m_clientArea->setFixedSize(MainLayout::ClientSize);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    connectControls();

    // The overview shows by default where the screen has room for it beside the designed window.
    m_settings = std::make_unique<MainWindowSettings>(
        *this, *m_controls.clockSlider, m_openDialog, *m_environment, m_overview->fitsScreenBeside(*this));
    startUp();
}

MainWindow::~MainWindow()
{
    // Before the history: a history that goes clears itself, which would look like a save.
    delete m_recovery;
    // The history clears itself as it goes, after this window's parts: it tells none of them.
    m_document->history()->blockSignals(true);
    if (!m_closed) // destroyed without a close, never in normal use
        m_settings->saveIfNeverSaved();
    m_clientArea->freeNoiseBitmap();
}

void MainWindow::createOverview()
{
    m_overview = new OverviewDock(m_document->image(), m_colours, *m_comparison, this);
    addDockWidget(Qt::RightDockWidgetArea, m_overview);
    m_overview->hide(); // the settings say whether it shows
    // After the designed controls, whose last is the matrix.
    setTabOrder(m_controls.matrix, m_overview->pages());
    setTabOrder(m_overview->pages(), m_overview->timeStrip());
    connect(m_overview, &OverviewDock::pageChosen, this, [this](int page) { m_imageCommands->showPage(page); });
    connect(m_overview, &OverviewDock::rowChosen, this, [this](int page, int row) {
        m_imageCommands->showPage(page);
        m_preview->playFrom(row); // only while the preview runs
    });
    // The overview follows every change of the image, the shown page, the comparison and the preview.
    m_overview->follow(*m_document, *m_preview);
    connect(m_overview, &OverviewDock::selectionRequested, m_document, &EffectDocument::setSelection);
    connect(m_pageControls, &PageControls::pageShown, m_overview, &OverviewDock::followShownPage);
    connect(m_previewControls, &PreviewControls::stopped, m_overview, [this] { m_overview->showPlayingRow(-1); });
}

void MainWindow::createChipMenu()
{
    m_chip = new ChipController(this, *m_document, *m_comparison, XdgFolders::dataHome());
    menuBar()->insertMenu(findChild<QAction *>(QStringLiteral("optionsAction")), m_chip->menu());
    m_chip->menu()->addSeparator();
    QAction *production = m_chip->menu()->addAction(Texts::shown(Texts::ProductionCommand), this, [this] {
        const QString name = m_document->path().isEmpty() ? tr("Untitled") : QFileInfo(m_document->path()).fileName();
        auto *station = new ProductionDialog(ImageEncoder::encode(m_document->image(), m_document->layout()),
            LocalPath::displayed(name), m_chip->target(), XdgFolders::dataHome(), this);
        station->setAttribute(Qt::WA_DeleteOnClose);
        station->open(); // modal: the image stays as it is while the station runs
    });
    production->setObjectName(QStringLiteral("productionAction"));
}

void MainWindow::createMenu()
{
    MainMenu::Commands commands;
    MainMenu::addDocumentCommands(commands, *m_document, m_colours);
    commands.load = [this] { m_imageCommands->loadChosen(); };
    commands.exit = [this] { close(); };
    commands.compareWith = [this] { m_imageCommands->compareWithChosen(); };
    commands.stopComparing = [this] { m_comparison->stop(); };
    commands.nextDifference = [this] {
        m_imageCommands->showNextDifference(true);
        m_comparisonView->announceStatus();
    };
    commands.previousDifference = [this] {
        m_imageCommands->showNextDifference(false);
        m_comparisonView->announceStatus();
    };
    commands.generate = [this] { showGenerator(); };
    commands.exportCArray = [this] {
        const Exports::Kind &c = *std::find_if(Exports::kinds().begin(), Exports::kinds().end(),
            [](const Exports::Kind &kind) { return qstrcmp(kind.name, "c") == 0; });
        SettingsDialog options(tr("C Array"), "Exports", c.settings, m_document->stringLeds(), this);
        options.setObjectName(QStringLiteral("cArrayOptions"));
        if (options.exec() == QDialog::Accepted)
            m_document->exportCArray(options.settings());
    };
    commands.importPicture = [this] {
        m_overview->show(); // where the picture is previewed as its settings change
        ImportPictureDialog::chooseAndImport(*m_document, this);
    };
    for (const auto &[command, kind] :
        {std::pair {&MainMenu::Commands::exportGif, "gif"}, {&MainMenu::Commands::exportGifPages, "gif-pages"},
            {&MainMenu::Commands::exportHex, "hex"}, {&MainMenu::Commands::exportSRecord, "srec"}}) {
        commands.*command = [this, kind = QString::fromLatin1(kind)] {
            m_document->exportFor(kind, m_colours, static_cast<ClockSlider *>(m_controls.clockSlider)->rowsPerSecond());
        };
    }
    commands.options = [this] { showOptions(); };
    commands.about = [this] { showAbout(); };
    MainMenu::build(this, commands, m_document->history(), {m_overview->toggleViewAction()});
}

void MainWindow::connectControls()
{
    connect(m_controls.loadButton, &QPushButton::clicked, this, [this] { m_imageCommands->loadChosen(); });
    connect(new ImageDropFilter(this), &ImageDropFilter::dropped, this, &MainWindow::loadImageFile);
    connect(m_previewControls, &PreviewControls::stopped, this, &MainWindow::clearPreviewStrip);
    connect(m_preview, &PreviewController::pageTurned, m_pageControls, &PageControls::showPage);
    connect(
        m_preview, &PreviewController::rowChanged, this, [this] { m_leds->showPreviewRow(m_preview->rowStates()); });
    connect(m_matrixEditor, &MatrixEditor::pageToShow, m_pageControls, &PageControls::showPage);
    // The matrix follows every change of the image; the marks follow every page shown.
    connect(m_document, &EffectDocument::imageReplaced, m_pageControls, &PageControls::showCurrentPage);
    connect(m_document, &EffectDocument::pageChanged, m_pageControls, &PageControls::showChangedPage);
    connect(m_document, &EffectDocument::pathChanged, this, &MainWindow::showFileInTitle);
    connect(m_document->history(), &QUndoStack::cleanChanged, this, [this] { showFileInTitle(m_document->path()); });
    connect(m_pageControls, &PageControls::pageShown, m_comparisonView, &ComparisonView::showMarks);
}

void MainWindow::startUp()
{
    m_clientArea->createNoiseBitmap(MainLayout::ClientSize);
    setWindowTitle(Texts::shown(Texts::MainWindowTitle));
    const MainWindowSettings::OwnValues own = m_settings->readAtStart(m_colours);
    m_overview->setVisible(own.overviewShown);
    m_chip->setTarget(own.chipTarget);
    m_glyphs.load();
    for (int n = 1; n <= EffectImage::LedsPerPage; ++n)
        setLed(n, EffectImage::Off, false);
    MainLayout::writeLabelStrips(m_controls);
    clearPreviewStrip();
    m_previewControls->applyEnabled();
}

MainWindowSettings::OwnValues MainWindow::ownValues() const
{
    return {!m_overview->isHidden(), m_chip->target()};
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Changes not yet saved are never lost without a word; Cancel keeps everything as it was,
    // the settings file included. A termination signal may end the question (m_closed).
    if (!m_closed && m_askBeforeClosing) {
        // The edits first: a Cancel there must leave the chip work running, not stopped.
        if ((!m_document->maybeSave() || !m_chip->mayClose()) && !m_closed) {
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
            ErrorBox::guard(this, [this] { m_settings->save(m_colours, ownValues()); });
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
    m_chip->stopForExit(); // at the next chip page, its report kept for the next start
    m_recovery->writeNow();
    m_settings->saveOrReport(m_colours, ownValues());
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
    const QString title = Texts::shown(Texts::MainWindowTitle);
    const bool modified = m_document->isModified();
    // Without a file and without edits the title is the program's alone; with edits it names
    // what Exit would ask to save. Qt shows "*" for [*] while modified.
    if (path.isEmpty() && !modified) {
        setWindowTitle(title);
        return;
    }
    const QString name = path.isEmpty() ? tr("Untitled") : LocalPath::displayed(QFileInfo(path).fileName());
    setWindowTitle(name + QStringLiteral("[*] \u2014 ") + title);
    setWindowModified(modified);
}

void MainWindow::showEvent(QShowEvent *event)
{
    if (!m_shown) {
        m_shown = true;
        // The first control of the design takes the keys: a stray Space edits nothing.
        m_controls.pageEdit->setFocus(Qt::OtherFocusReason);
        m_settings->restoreOnFirstShow();
        // Larger than the screen (a high scale on a small screen), it still opens with its title
        // and menu bar where they can be reached.
        const QPoint reachable
            = ScreenFit::reachablePosition(frameGeometry(), ScreenFit::MinimumTitleHeight, ScreenFit::workAreas());
        if (reachable != frameGeometry().topLeft())
            move(reachable);
    }
    QMainWindow::showEvent(event);
}

const EffectImage &MainWindow::image() const
{
    return m_document->image();
}

void MainWindow::showCurrentPage()
{
    m_pageControls->showCurrentPage();
}

void MainWindow::loadImageFile(const QString &path)
{
    m_imageCommands->loadFile(path);
}

void MainWindow::closeWithoutAsking()
{
    m_askBeforeClosing = false;
    close();
}

void MainWindow::offerRecovery()
{
    // Once a run, before any edit: where the edits are kept when it is not where they should be.
    if (!m_recoveryNotice.isEmpty())
        ErrorBox::show(this, std::exchange(m_recoveryNotice, QString()));
    m_chip->reportInterruptedWork();
    RecoveryOffer::offer(
        this, *m_recovery, [this](const RecoveryCopy &copy) { m_imageCommands->takeInRecoveryCopy(copy); });
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
    m_overview->refresh();
    refreshMatrix();
    clearPreviewStrip();
}

void MainWindow::showGenerator()
{
    m_overview->show(); // where the effect is previewed as its settings change
    auto *dialog = new GenerateDialog(*m_document, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->move(mapToGlobal(QPoint(0, 0))); // over the matrix, the overview beside it in sight
    dialog->open();
}

void MainWindow::showAbout()
{
    AboutDialog about(this);
    about.exec();
}
