// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "common/ColourSettings.h"
#include "common/GlyphBitmaps.h"
#include "effect/EffectImage.h"
#include "effect/LedStates.h"
#include "effect/PreviewController.h"
#include "mainwindow/ClientArea.h"
#include "mainwindow/ImageCommands.h"
#include "mainwindow/LedDisplay.h"
#include "mainwindow/MainLayout.h"
#include "mainwindow/MainWindowSettings.h"
#include "mainwindow/MatrixEditor.h"
#include "mainwindow/OpenDialogState.h"

#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class ComparisonSession;
class ComparisonView;
class EffectDocument;
class DesktopEnvironment;
class LedIndicator;
class PageControls;
class ChipController;
class OverviewDock;
class OptionsDialog;
class PreviewControls;
class QSlider;
class QTimer;
class RecoveryKeeper;
class WindowPrompts;
class WindowSettings;

// The main window: the LED matrix of one page, page navigation, the preview strip and its clock.
// It owns the document (and through it the effect image), the colour table and the glyph
// pictures for the whole run, wires its parts together and reacts to its own events.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    using ImagePathPrompt = ImageCommands::PathPrompt;

    explicit MainWindow(std::shared_ptr<const DesktopEnvironment> environment, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Switches LED n (1..256 matrix, 501..516 preview) to the image state (0 lit, 1 off). Unless
    // forced, an LED already showing that state is left untouched, old colour and all.
    void setLed(int n, std::uint8_t state, bool force) { m_leds->setLed(n, state, force); }
    // Shows the current page, if it is 1..64: its number into the position box, and every matrix
    // LED whose state differs switched.
    void showCurrentPage();
    // Redraws every matrix LED of the current page, in the present colours.
    void refreshMatrix() { m_leds->showCurrentPage(true); }
    // Switches the preview strip off until the next tick lights it.
    void clearPreviewStrip() { m_leds->clearPreviewStrip(); }
    // Loads an image as File › Load does with a chosen file: page 1 shown afterwards, the error
    // box for a file that cannot be read.
    void loadImageFile(const QString &path);
    // Closes without asking about unsaved changes: the program is told to end (a kill, a logout).
    // Unsaved edits go to a recovery copy; settings that cannot be written are reported on
    // standard error, as nobody may be there to read a box.
    void closeWithoutAsking();
    // The same, and the program ends now, whatever modal window is open.
    void endOnRequest();
    // At start: offers the unsaved edits a run that ended without saving them left behind.
    void offerRecovery();
    EffectDocument &document() { return *m_document; }
    ComparisonSession &comparison() { return *m_comparison; }
    // A new Options dialog over this window; an accepted change recolours the window at once.
    std::unique_ptr<OptionsDialog> createOptionsDialog();

    const EffectImage &image() const;
    // The colours the LEDs are drawn in; a change shows at the next redraw.
    ColourSettings &colours() { return m_colours; }
    const GlyphBitmaps &glyphs() const { return m_glyphs; }
    LedState ledState(int n) const { return m_leds->shown(n); }
    LedIndicator *ledIndicator(int n) const { return m_leds->indicator(n); }
    int previewRow() const { return m_preview->row(); }
    // True while the right button alone paints over the matrix.
    bool painting() const { return m_matrixEditor->painting(); }

    QString executableDir() const { return m_settings->executableFolder(); }
    QString settingsPath() const { return m_settings->iniPath(); }
    QString openDialogInitialDir() const { return m_openDialog.initialDir; }
    QString openDialogDefaultExt() const { return m_openDialog.defaultExt; }
    void setOpenDialogInitialDir(const QString &folder) { m_openDialog.initialDir = folder; }
    QSlider *clockSlider() const { return m_controls.clockSlider; }
    QTimer *previewTimer() const { return m_preview->timer(); }
    QTimer *noiseTimer() const { return m_clientArea->noiseTimer(); }
    ClientArea *clientArea() const { return m_clientArea; }
    WindowSettings &settings() { return m_settings->settings(); }
    void setImagePathPrompt(ImagePathPrompt prompt) { m_imageCommands->setPathPrompt(std::move(prompt)); }

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createOverview();
    void createMenu();
    // The Chip menu, before Options.
    void createChipMenu();
    void connectControls();
    void startUp();
    void showOptions();
    void showAbout();
    // Edit › Generate, with the overview shown for its preview.
    void showGenerator();
    void applyColours(const ColourSettings &colours);
    void showFileInTitle(const QString &path);
    // What the settings keep of our own: whether the overview shows, the chip chosen last.
    MainWindowSettings::OwnValues ownValues() const;
    // The last steps of a close nobody asked for: the recovery copy and the settings.
    void finishWithoutAsking();

    std::shared_ptr<const DesktopEnvironment> m_environment;
    ColourSettings m_colours;
    GlyphBitmaps m_glyphs; // empty until start-up loads them
    PreviewController *m_preview = nullptr;
    PreviewControls *m_previewControls = nullptr;
    MatrixEditor *m_matrixEditor = nullptr;
    PageControls *m_pageControls = nullptr;
    ClientArea *m_clientArea = nullptr;
    MainControls m_controls;
    std::unique_ptr<LedDisplay> m_leds;
    std::unique_ptr<WindowPrompts> m_prompts;
    EffectDocument *m_document = nullptr;
    RecoveryKeeper *m_recovery = nullptr;
    QString m_recoveryNotice; // shown once, when the window first shows
    ComparisonSession *m_comparison = nullptr;
    ComparisonView *m_comparisonView = nullptr;
    OverviewDock *m_overview = nullptr;
    ChipController *m_chip = nullptr;
    bool m_askBeforeClosing = true;
    OpenDialogState m_openDialog;
    std::unique_ptr<ImageCommands> m_imageCommands;
    std::unique_ptr<MainWindowSettings> m_settings;
    bool m_shown = false;
    bool m_closed = false;
};
