// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "chip/ChipTransfer.h"

#include <QObject>
#include <functional>
#include <memory>

class ChipAccess;
class ChipJob;
class QMainWindow;
class QMenu;
class QProgressDialog;

// The Chip menu: Read From Chip…, Write To Chip…, Verify Chip and the chip's choice. The work
// runs off the user-interface thread behind a progress dialog with Cancel; the window only
// answers the hooks.
class ChipController : public QObject
{
    Q_OBJECT

public:
    struct Hooks
    {
        std::function<bool()> maybeSave; // the unsaved-changes question: true to go on
        std::function<QByteArray()> imageBytes; // the working image in its layout
        std::function<void(const QByteArray &chipBytes)> loadChipImage; // as Load does, untitled
        std::function<void(const QByteArray &chipBytes)> showDifferences; // the compare marks
    };

    ChipController(QMainWindow *window, Hooks hooks, const QString &dataHome);
    ~ChipController() override;

    QMenu *menu() const { return m_menu; }
    QString target() const { return m_target; }
    void setTarget(const QString &target) { m_target = target; }
    bool isWorking() const;
    // A close while chip work runs asks to wait for it or cancel it; true when the window may
    // close (the work has stopped).
    bool mayClose();

    void readFromChip();
    void writeToChip();
    void verifyChip();
    // True when a chip was chosen.
    bool chooseTarget();

private:
    // Runs `work` behind a progress dialog titled `title`; `done` follows in this thread when it
    // ended without an error, which is shown instead.
    void run(const QString &title,
        std::function<void(const ChipTransfer::ProgressHandler &, const std::atomic_bool &)> work,
        std::function<void()> done);
    void showProgress(const ChipTransfer::Progress &progress);
    // Asks before writing; then writes.
    void confirmWrite(std::shared_ptr<ChipAccess> chip, const ChipTransfer::Plan &plan, const QByteArray &image);
    void inform(const QString &text, bool warning) const;

    QMainWindow *m_window;
    Hooks m_hooks;
    QString m_dataHome;
    QString m_target;
    QMenu *m_menu;
    ChipJob *m_job;
    QProgressDialog *m_progress = nullptr;
    bool m_closing = false;
};
