// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGHUP and SIGINT (a kill, a closed terminal, Ctrl+C, the end of a session)
// into a signal on the UI thread, so the program can end as a close does instead of dying
// with its settings unsaved. The handler only writes a byte into a pipe; the notifier reads it
// in the event loop. One instance per process.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

    bool isWatching() const { return m_notifier != nullptr; }

Q_SIGNALS:
    void terminationRequested(int signalNumber);

private Q_SLOTS:
    void readPendingSignals();

private:
    static void onSignal(int signalNumber);

    QSocketNotifier *m_notifier = nullptr;
};
