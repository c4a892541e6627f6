// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "chip/ChipTransfer.h"

#include <QObject>
#include <functional>
#include <memory>

class ChipAccess;
class ChipJob;
class ComparisonSession;
class EffectDocument;
class QMainWindow;
class QMenu;
class QProgressDialog;

// The Chip menu: Read From Chip…, Write To Chip…, Verify Chip and the chip's choice. The work
// runs off the user-interface thread behind a progress dialog with Cancel; what the chip held
// comes into the window as a loaded image or as a comparison.
class ChipController : public QObject
{
    Q_OBJECT

public:
    ChipController(
        QMainWindow *window, EffectDocument &document, ComparisonSession &comparison, const QString &dataHome);
    ~ChipController() override;

    QMenu *menu() const { return m_menu; }
    QString target() const { return m_target; }
    void setTarget(const QString &target) { m_target = target; }
    bool isWorking() const;
    // A close while chip work runs asks to wait for it (the window then closes when it ends) or
    // cancel it (its report shown first); true when the window may close now.
    bool mayClose();

    // A termination signal ends the program: the work stops at the next chip page, and its report
    // goes to standard error and to the next start (reportInterruptedWork()).
    void stopForExit();
    // Shows, once, what a run ended by a signal during chip work left on the chip.
    void reportInterruptedWork();

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
    // Asks before writing; then reads the chip again, keeps that as the backup and writes, or asks
    // again when the chip changed meanwhile.
    void confirmWrite(std::shared_ptr<ChipAccess> chip, const ChipTransfer::Plan &plan, const QByteArray &image,
        bool changedMeanwhile);
    // The pages with lit LEDs a chip of the document's layout cannot hold (the 8-bit one's right half).
    QList<int> rightHalfTheChipCannotHold() const;
    // True, with the reason shown, when the document's file holds another count of bytes than its
    // layout: an image read with missing rows as off does not go to the chip.
    bool refusesPartialFile();
    // A comparison with the chip shows what it holds now.
    void refreshComparison(const QByteArray &chipBytes);
    void inform(const QString &text, bool warning);

    // The image in its document's layout.
    QByteArray imageBytes() const;
    // The chip's bytes become the document's image, as Load makes a file's, with no file name.
    void loadChipImage(const QByteArray &bytes);
    // The compare marks against the chip's bytes.
    void showDifferences(const QByteArray &bytes);

    QMainWindow *m_window;
    EffectDocument &m_document;
    ComparisonSession &m_comparison;
    QString m_dataHome;
    QString m_target;
    QMenu *m_menu;
    ChipJob *m_job;
    QProgressDialog *m_progress = nullptr;
    bool m_closeWhenDone = false; // a close waits for the job's end
    bool m_exiting = false; // ended by a signal: results go to standard error
    QString m_exitReport;
};
