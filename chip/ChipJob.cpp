// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "chip/ChipJob.h"

#include "common/AppError.h"

#include <QThread>

ChipJob::ChipJob(QObject *parent)
    : QObject(parent)
{
}

ChipJob::~ChipJob()
{
    if (m_thread) {
        m_cancel = true;
        m_thread->wait();
        delete m_thread;
    }
}

void ChipJob::start(Work work)
{
    Q_ASSERT(!m_thread);
    m_cancel = false;
    m_error.clear();
    const ChipTransfer::ProgressHandler progress = [this](const ChipTransfer::Progress &step) {
        QMetaObject::invokeMethod(
            this, [this, step] { Q_EMIT progressed(step); }, Qt::QueuedConnection);
    };
    m_thread = QThread::create([this, work = std::move(work), progress] {
        try {
            work(progress, m_cancel);
        } catch (const AppError &error) {
            m_error = error.message();
        }
    });
    connect(m_thread, &QThread::finished, this, &ChipJob::deliverEnd, Qt::QueuedConnection);
    m_thread->start();
}

void ChipJob::waitForFinished()
{
    if (!m_thread)
        return;
    m_thread->wait();
    deliverEnd();
}

void ChipJob::deliverEnd()
{
    if (!m_thread)
        return; // delivered already by a wait
    m_thread->deleteLater();
    m_thread = nullptr;
    Q_EMIT finished(m_error);
}
