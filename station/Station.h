// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>

#include "station/ProductionLog.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// One image written into chip after chip, one lane for each target, each lane on a thread of its
// own. A lane waits for a chip, reads it, writes the chip pages that differ (keeping the old bytes
// as a backup), reads it back and compares; the chip's line goes into the log before its result
// is told; then the lane waits for the chip to be taken out. Where a chip cannot be sensed (a
// programmer that reads an empty socket as an erased chip), the operator tells each chip in
// (confirmChips()). A simulated socket (sim:FILE) is empty while FILE is missing. Whatever
// happens to a chip ends in a result; a lane never stalls on it.
class Station
{
    Q_DECLARE_TR_FUNCTIONS(Station)

public:
    enum class State { Waiting, Working, Passed, Failed, Stopped };
    struct Result
    {
        int lane = 0; // from 1
        QString target;
        bool passed = false;
        QString reason; // why it failed
        ProductionLog::Entry entry;
    };
    using Report = std::function<void(const Result &)>;
    using StateReport = std::function<void(int lane, State state, const QString &text)>;

    struct Settings
    {
        QStringList targets;
        QByteArray image;
        QString imageFile;
        QString dataHome; // where the backups go
        int count = 0; // chips in all before the station ends; 0: until stopped
        std::chrono::milliseconds poll {50};
    };

    // The log outlives the station. `report` is called on the lanes' threads, once a chip's line
    // is in the log; `state` (may be empty) as a lane's state changes.
    Station(Settings settings, ProductionLog &log, Report report, StateReport state = {});
    ~Station(); // stops and waits for the lanes

    void start();
    // The lanes end at the next chip page or their next look at the socket.
    void stop();
    // Blocks until every lane has ended: stopped, or the count reached.
    void wait();
    bool finished() const { return m_running == 0; }
    // Lanes that cannot sense a chip take the next chip as in.
    void confirmChips();
    // Whether lane `lane` (from 1) senses chips itself.
    bool sensesChips(int lane) const;

    // Why the station stopped by itself (its log could not be written); empty otherwise.
    QString stoppedFor() const;
    int passed() const { return m_passed; }
    int failed() const { return m_failed; }
    static QString sha256(const QByteArray &bytes);
    // Throws AppError, before any lane starts, for a target that names no chip, one given as two
    // lanes, and a kernel EEPROM file that cannot be one (it has no empty socket to wait out).
    static void checkTargets(const QStringList &targets);
    static QString stateText(State state);

private:
    void runLane(int lane);
    // A chip's whole work on `lane`: the log's line and the result.
    Result workOn(int lane);
    // Whether a chip sits in the lane's socket; nothing where it cannot be told.
    std::optional<bool> present(int lane) const;
    // Waits until the socket is as `wanted` (or the operator says a chip is in); false on stop.
    bool waitFor(int lane, bool wanted);
    bool claimChip(); // false once the count is reached

    Settings m_settings;
    ProductionLog &m_log;
    Report m_report;
    StateReport m_state;
    QString m_user;
    QString m_sha256;
    std::atomic_bool m_stop = false;
    std::atomic_int m_claimed = 0;
    std::atomic_int m_passed = 0;
    std::atomic_int m_failed = 0;
    std::atomic_int m_running = 0;
    mutable std::mutex m_confirming; // also guards m_stoppedFor
    QString m_stoppedFor;
    std::condition_variable m_confirmed;
    int m_confirmations = 0; // counts operator confirmations
    std::vector<std::thread> m_lanes;
};
