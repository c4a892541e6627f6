// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "chip/ChipJob.h"

#include "common/AppError.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

ChipJob::ChipJob(QObject *parent)
    : QObject(parent)
{
}

ChipJob::~ChipJob()
{
    if (m_running) {
        m_running->cancel = true;
        m_running->watcher->waitForFinished();
    }
}

void ChipJob::start(Work work)
{
    Q_ASSERT(!m_running);
    auto state = std::make_shared<State>();
    const ChipTransfer::ProgressHandler progress = [this](const ChipTransfer::Progress &step) {
        QMetaObject::invokeMethod(
            this, [this, step] { Q_EMIT progressed(step); }, Qt::QueuedConnection);
    };
    state->watcher = new QFutureWatcher<void>(this);
    connect(state->watcher, &QFutureWatcher<void>::finished, this, [this, state] {
        state->watcher->deleteLater();
        deliverEnd(state);
    });
    m_running = state;
    state->watcher->setFuture(QtConcurrent::run([state, work = std::move(work), progress] {
        // Nothing may leave the thread unreported: a job that ends without a word stalls the window.
        try {
            work(progress, state->cancel);
        } catch (const AppError &error) {
            state->error = error.message();
        } catch (const std::exception &error) {
            state->error = QCoreApplication::translate("ChipJob", "The chip work failed: %1")
                               .arg(QString::fromLocal8Bit(error.what()));
        } catch (...) {
            state->error = QCoreApplication::translate("ChipJob", "The chip work failed.");
        }
    }));
}

void ChipJob::cancel()
{
    if (m_running)
        m_running->cancel = true;
}

void ChipJob::waitForFinished()
{
    if (!m_running)
        return;
    const std::shared_ptr<State> state = m_running;
    state->watcher->waitForFinished();
    deliverEnd(state);
}

void ChipJob::deliverEnd(const std::shared_ptr<State> &state)
{
    if (m_running != state)
        return; // delivered already, by a wait
    m_running.reset();
    Q_EMIT finished(state->error, state->cancel.load());
}
