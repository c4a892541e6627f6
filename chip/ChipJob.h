// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "chip/ChipTransfer.h"

#include <QObject>
#include <atomic>
#include <functional>

class QThread;

// Chip work off the user-interface thread, one job at a time: the window repaints and the preview
// plays meanwhile. Progress and the end come back as signals in the thread that made the job.
class ChipJob : public QObject
{
    Q_OBJECT

public:
    // The work: its progress handler and the flag it looks at between two chip pages.
    using Work = std::function<void(const ChipTransfer::ProgressHandler &progress, const std::atomic_bool &cancel)>;

    explicit ChipJob(QObject *parent = nullptr);
    // A job still running is asked to stop and waited for: nothing is left writing.
    ~ChipJob() override;

    // Precondition: no job is running. An AppError the work throws ends it with its message.
    void start(Work work);
    bool isRunning() const { return m_thread != nullptr; }
    // Asks the work to stop at the next chip page.
    void cancel() { m_cancel = true; }
    // Waits for the running job, if any, and delivers its end at once.
    void waitForFinished();

Q_SIGNALS:
    void progressed(const ChipTransfer::Progress &progress);
    // `error` is empty when the work ended without one.
    void finished(const QString &error);

private:
    void deliverEnd();

    QThread *m_thread = nullptr;
    std::atomic_bool m_cancel = false;
    QString m_error; // written by the work's thread before it ends
};
