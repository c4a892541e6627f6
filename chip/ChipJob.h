// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "chip/ChipTransfer.h"

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>

template<typename T>
class QFutureWatcher;

// Chip work off the user-interface thread, one job at a time: the window repaints and the preview
// plays meanwhile. Progress and the end come back as signals in the thread that made the job.
// Each job has a watcher and a state of its own, so an end can only ever be its own job's.
class ChipJob : public QObject
{
    Q_OBJECT

public:
    // The work: its progress handler and the flag it looks at between two chip pages.
    using Work = std::function<void(const ChipTransfer::ProgressHandler &progress, const std::atomic_bool &cancel)>;

    explicit ChipJob(QObject *parent = nullptr);
    // A job still running is asked to stop and waited for: nothing is left writing.
    ~ChipJob() override;

    // Precondition: no job is running. Whatever the work throws ends it with a message.
    void start(Work work);
    bool isRunning() const { return m_running != nullptr; }
    // Asks the work to stop at the next chip page.
    void cancel();
    // Waits for the running job, if any, and delivers its end at once.
    void waitForFinished();

Q_SIGNALS:
    void progressed(const ChipTransfer::Progress &progress);
    // `error` is empty when the work ended without one; `cancelled` when the user asked it to stop.
    void finished(const QString &error, bool cancelled);

private:
    struct State
    {
        std::atomic_bool cancel = false;
        QString error; // written by the work's thread before it ends
        QFutureWatcher<void> *watcher = nullptr;
    };
    void deliverEnd(const std::shared_ptr<State> &state);

    std::shared_ptr<State> m_running;
};
