// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "station/Station.h"

#include "chip/ChipAccess.h"
#include "chip/ChipTargets.h"
#include "chip/ChipTransfer.h"
#include "common/AppError.h"
#include "common/LocalPath.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFileInfo>
#include <pwd.h>
#include <unistd.h>

namespace {
// The simulated socket's file, for a sim: lane; empty for any other.
QString simulatedFile(const QString &target)
{
    for (const char *prefix : {"sim:", "sim8:", "simch341a:"}) {
        if (target.startsWith(QLatin1String(prefix)))
            return target.mid(static_cast<qsizetype>(qstrlen(prefix)));
    }
    return {};
}

QString userName()
{
    if (const passwd *entry = ::getpwuid(::getuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return QString::number(::getuid());
}
} // namespace

Station::Station(Settings settings, ProductionLog &log, Report report, StateReport state)
    : m_settings(std::move(settings))
    , m_log(log)
    , m_report(std::move(report))
    , m_state(std::move(state))
    , m_user(userName())
    , m_sha256(sha256(m_settings.image))
{
}

Station::~Station()
{
    stop();
    wait();
}

QString Station::sha256(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

void Station::checkTargets(const QStringList &targets)
{
    for (const QString &target : targets) {
        ChipTargets::checkForm(target);
        if (targets.count(target) > 1)
            throw AppError(tr("%1 is given as two lanes.").arg(LocalPath::displayed(target)));
        if (target.startsWith(QLatin1Char('/')))
            ChipTargets::open(target, false); // throws for a file that is no EEPROM file
    }
}

QString Station::stateText(State state)
{
    switch (state) {
    case State::Waiting:
        return Station::tr("Waiting for a chip");
    case State::Working:
        return Station::tr("Writing");
    case State::Passed:
        return Station::tr("PASS");
    case State::Failed:
        return Station::tr("FAIL");
    case State::Stopped:
        return Station::tr("Stopped");
    }
    return {};
}

void Station::start()
{
    m_running = static_cast<int>(m_settings.targets.size());
    for (int lane = 1; lane <= m_settings.targets.size(); ++lane)
        m_lanes.emplace_back([this, lane] { runLane(lane); });
}

void Station::stop()
{
    m_stop = true;
    m_confirmed.notify_all();
}

void Station::wait()
{
    for (std::thread &lane : m_lanes) {
        if (lane.joinable())
            lane.join();
    }
}

QString Station::stoppedFor() const
{
    const std::lock_guard locked(m_confirming);
    return m_stoppedFor;
}

void Station::confirmChips()
{
    {
        const std::lock_guard locked(m_confirming);
        ++m_confirmations;
    }
    m_confirmed.notify_all();
}

bool Station::sensesChips(int lane) const
{
    const QString target = m_settings.targets.at(lane - 1);
    // The programmer reads an empty socket as an erased chip: no acknowledge to go by.
    return !simulatedFile(target).isEmpty() || !target.startsWith(QLatin1String("ch341a"));
}

bool Station::claimChip()
{
    if (m_settings.count <= 0)
        return true;
    return ++m_claimed <= m_settings.count;
}

std::optional<bool> Station::present(int lane) const
{
    const QString target = m_settings.targets.at(lane - 1);
    if (const QString file = simulatedFile(target); !file.isEmpty())
        return QFileInfo::exists(file);
    if (!sensesChips(lane))
        return std::nullopt;
    try { // a chip that acknowledges is in; an adapter opens only with one there
        ChipTargets::open(target, false)->read(0, 1);
        return true;
    } catch (const AppError &) {
        return false;
    }
}

bool Station::waitFor(int lane, bool wanted)
{
    if (!sensesChips(lane)) { // the operator's next confirmation, whatever is wanted
        std::unique_lock locked(m_confirming);
        const int seen = m_confirmations;
        m_confirmed.wait(locked, [&] { return m_stop || m_confirmations != seen; });
        return !m_stop;
    }
    while (!m_stop) {
        if (present(lane) == wanted)
            return true;
        std::unique_lock locked(m_confirming);
        m_confirmed.wait_for(locked, m_settings.poll, [this] { return m_stop.load(); });
    }
    return false;
}

void Station::runLane(int lane)
{
    const auto tell = [this, lane](State state, const QString &text = {}) {
        if (m_state)
            m_state(lane, state, text.isEmpty() ? stateText(state) : text);
    };
    while (!m_stop) {
        tell(State::Waiting);
        if (!waitFor(lane, true) || !claimChip())
            break;
        tell(State::Working);
        const Result result = workOn(lane);
        (result.passed ? m_passed : m_failed)++;
        if (m_report)
            m_report(result);
        tell(result.passed ? State::Passed : State::Failed, result.passed ? QString() : result.reason);
        if (m_settings.count > 0 && m_passed + m_failed >= m_settings.count) {
            stop(); // every chip asked for is done: the other lanes stop waiting
            break;
        }
        if (!waitFor(lane, false)) // the chip out before the next one
            break;
    }
    tell(State::Stopped);
    --m_running;
}

Station::Result Station::workOn(int lane)
{
    Result result;
    result.lane = lane;
    result.target = m_settings.targets.at(lane - 1);
    ProductionLog::Entry &entry = result.entry;
    entry.time = QDateTime::currentDateTimeUtc();
    entry.user = m_user;
    entry.lane = lane;
    entry.target = result.target;
    entry.imageFile = m_settings.imageFile;
    entry.imageSha256 = m_sha256;
    QElapsedTimer clock;
    clock.start();
    try {
        // Opening a simulated chip makes its file where it is missing: a socket emptied just now
        // would be filled by the lane itself.
        if (const QString file = simulatedFile(result.target); !file.isEmpty() && !QFileInfo::exists(file))
            throw AppError(tr("The chip was taken out before it was written."));
        const std::unique_ptr<ChipAccess> chip = ChipTargets::open(result.target, true);
        ChipTransfer transfer(*chip, {}, &m_stop);
        const ChipTransfer::Plan plan = transfer.plan(m_settings.image); // the wrong part, a loose clip
        const ChipTransfer::Outcome outcome = transfer.write(plan, m_settings.image,
            ChipTransfer::backupPath(m_settings.dataHome, result.target, QDateTime::currentDateTime()));
        entry.chipPagesWritten = static_cast<int>(plan.chipPages.size());
        entry.backupPath = outcome.backupPath;
        for (qsizetype at = 0; at < outcome.held.size() && at < m_settings.image.size(); ++at) {
            if (outcome.held.at(at) != m_settings.image.at(at)) {
                entry.firstDifference = static_cast<int>(at);
                break;
            }
        }
        result.passed = outcome.clean;
        if (!outcome.clean)
            result.reason = outcome.summary();
    } catch (const AppError &error) {
        result.reason = error.message();
    }
    entry.milliseconds = clock.elapsed();
    entry.result = result.passed ? QStringLiteral("PASS") : QStringLiteral("FAIL");
    entry.reason = result.reason;
    try {
        m_log.append(entry); // on the disk before the result is told
    } catch (const AppError &error) {
        result.passed = false;
        result.reason = error.message();
        {
            const std::lock_guard locked(m_confirming);
            m_stoppedFor = error.message();
        }
        stop(); // a station that cannot keep its record stops
    }
    return result;
}
