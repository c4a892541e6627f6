// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "EffectImage.h"

#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class ClientArea;
class FormStorage;
class MainFormHost;
class Global;
class LabelStrip;
class LedIndicator;
class LedPanel;
class QCheckBox;
class QKeyEvent;
class QLineEdit;
class QSlider;
class QTimer;

// The main window: the LED matrix of one page, navigation, the preview strip and its clock.
// Handlers keep the names of the controls and events they serve.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    // Asks the user for an image file: the chosen path, or nothing on cancel.
    using ImagePathPrompt
        = std::function<std::optional<QString>(QWidget *parent, const QString &initialDir, const QString &defaultExt)>;

    static constexpr std::uint16_t FirstPreviewLed = 501;
    static constexpr int PreviewLedCount = 16;

    explicit TForm1(Global &global, QWidget *parent = nullptr);
    ~TForm1() override;

    // Switches indicator n (1..256 matrix, 501..516 preview) to state s (0 On, 1 Off). Unless
    // forced, an indicator already showing that state is left untouched.
    void setLed(std::uint16_t n, std::uint8_t state, bool force);
    // Shows the current page, if it is 1..64: number into the position box, slot into the working
    // page, and every matrix LED whose state differs switched.
    void positionChange();
    void redraw_all();
    void prev_reset();

    EffectImage &image() { return m_image; }
    LedIndicator *ledButton(std::uint16_t n) const;
    QString executableDir() const { return m_executableDir; }
    QString openDialogInitialDir() const { return m_openDialogInitialDir; }
    QString openDialogDefaultExt() const { return m_openDialogDefaultExt; }
    void setOpenDialogInitialDir(const QString &folder) { m_openDialogInitialDir = folder; }
    void setOpenDialogDefaultExt(const QString &extension) { m_openDialogDefaultExt = extension; }
    QSlider *trackBar1() const { return m_trackBar1; }
    FormStorage &formStorage() { return *m_formStorage; }
    std::uint8_t previewRow() const { return m_previewRow; }
    QTimer *timer1() const { return m_timer1; }
    QTimer *timer2() const { return m_timer2; }
    ClientArea *clientArea() const { return m_clientArea; }
    void setImagePathPrompt(ImagePathPrompt prompt) { m_askForImagePath = std::move(prompt); }

    bool painting() const { return m_painting; }

    void Load1Click();
    void Button2Click();
    void Exit1Click();
    void Options1Click();
    void About1Click();
    void CheckBox1Click();
    void Timer2Timer();
    void xpButton1Click();
    void Button7Click();
    void Button8Click();
    void TrackBar1Change();
    void PREVIEW_oneClick();
    void PREVIEW_ALLClick();
    void Timer1Timer();
    void SpeedButton1MouseDown(LedIndicator *indicator);
    void SpeedButton102MouseMove(LedIndicator *indicator, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void FormCloseQuery();
    void FormDestroy();
    void TrackBar1KeyDown(int key, Qt::KeyboardModifiers modifiers);
    // True when the key is swallowed.
    bool positionKeyPress(const QKeyEvent &event);
    void positionEnter();
    bool isMenuShortcut(const QKeyEvent &event) const;
    void stepPage(std::uint16_t page);
    void ledPress(LedIndicator *indicator);
    void connectHandlers();

    void createMenu();
    void findControls();
    void writeLabelStrips();
    void loadImageFile(const QString &path);
    const QImage *glyphImage(int column, bool unlit) const;

    Global &m_global;
    EffectImage m_image;
    ClientArea *m_clientArea = nullptr;
    LedPanel *m_matrixPanel = nullptr;
    LedPanel *m_previewPanel = nullptr;
    QLineEdit *m_position = nullptr;
    QCheckBox *m_checkBox1 = nullptr;
    QCheckBox *m_previewOne = nullptr;
    QCheckBox *m_previewAll = nullptr;
    QSlider *m_trackBar1 = nullptr;
    QTimer *m_timer1 = nullptr;
    QTimer *m_timer2 = nullptr;
    std::uint8_t m_previewRow = 0;
    bool m_painting = false; // the last move over a matrix LED was made with the right button alone
    QString m_executableDir;
    QString m_openDialogInitialDir;
    QString m_openDialogDefaultExt = QStringLiteral("*.bin");
    ImagePathPrompt m_askForImagePath;
    std::unique_ptr<MainFormHost> m_formHost;
    std::unique_ptr<FormStorage> m_formStorage;
    bool m_shown = false;
    bool m_closed = false;
};
