// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "recovery/RecoveryStore.h"

#include "common/FolderMaker.h"
#include "common/LocalPath.h"
#include "common/RegularFile.h"
#include "common/SystemErrorText.h"
#include "common/WholeFile.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr char CopySuffix[] = ".recovery";
constexpr char LockSuffix[] = ".lock";
constexpr char Format[] = "glimmerview-recovery";
constexpr int Version = 1;

// A lock taken without waiting on the file, made when missing; none when another run holds it.
FileDescriptor lockFile(const QString &path)
{
    FileDescriptor file(::open(LocalPath::encode(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (file.isOpen() && ::flock(file.get(), LOCK_EX | LOCK_NB) != 0)
        return {};
    return file;
}
} // namespace

RecoveryStore::RecoveryStore(QString folder)
    : m_folder(std::move(folder))
    , m_id(QString::number(::getpid()) + QLatin1Char('-') + QString::number(QRandomGenerator::global()->generate(), 36))
{
}

RecoveryStore::~RecoveryStore()
{
    // The locks go with their members; the lock file of a copy that is still there stays for the
    // next run.
    if (m_ownLock.isOpen() && !m_hasCopy)
        ::unlink(LocalPath::encode(filePath(m_id, LockSuffix)).constData());
}

QString RecoveryStore::filePath(const QString &id, const char *suffix) const
{
    return m_folder + QLatin1Char('/') + id + QLatin1String(suffix);
}

bool RecoveryStore::holdOwnLock()
{
    if (m_ownLock.isOpen())
        return true;
    // Only this user reads what another program's edits were.
    if (const int error = FolderMaker::make(m_folder, 0700); error != 0) {
        errno = error;
        return false;
    }
    ::chmod(LocalPath::encode(m_folder).constData(), 0700);
    m_ownLock = lockFile(filePath(m_id, LockSuffix));
    return m_ownLock.isOpen();
}

bool RecoveryStore::write(const RecoveryCopy &copy, QString *reason)
{
    // The lock first: a copy without a held lock would look left behind to another run.
    if (m_folder.isEmpty()) {
        if (reason)
            *reason = systemErrorText(ENOENT);
        return false;
    }
    if (!holdOwnLock()) {
        if (reason)
            *reason = systemErrorText(errno);
        return false;
    }
    if (!WholeFile::write(filePath(m_id, CopySuffix), serialise(copy), reason))
        return false;
    m_hasCopy = true;
    return true;
}

void RecoveryStore::remove()
{
    if (!m_hasCopy)
        return;
    ::unlink(LocalPath::encode(filePath(m_id, CopySuffix)).constData());
    m_hasCopy = false;
}

QList<RecoveryStore::LeftBehind> RecoveryStore::claimLeftBehind()
{
    QList<LeftBehind> found;
    if (m_folder.isEmpty())
        return found; // no folder: not the current one
    const QStringList names = QDir(m_folder).entryList({QStringLiteral("*") + QLatin1String(CopySuffix)}, QDir::Files);
    for (const QString &name : names) {
        const QString id = name.chopped(qsizetype(sizeof CopySuffix) - 1);
        if (id == m_id
            || std::any_of(m_claimed.cbegin(), m_claimed.cend(), [&id](const auto &c) { return c.first == id; }))
            continue;
        const QByteArray lockPath = LocalPath::encode(filePath(id, LockSuffix));
        const bool lockWasThere = ::access(lockPath.constData(), F_OK) == 0;
        FileDescriptor lock = lockFile(filePath(id, LockSuffix));
        if (!lock.isOpen())
            continue; // its run is still going
        const std::optional<QByteArray> bytes = RegularFile::readHead(filePath(id, CopySuffix), 1 << 20);
        const std::optional<RecoveryCopy> copy = bytes ? parse(*bytes) : std::nullopt;
        if (!copy) { // not ours to judge: left where it is, without a lock file of ours beside it
            if (!lockWasThere)
                ::unlink(lockPath.constData());
            continue;
        }
        m_claimed.emplace_back(id, std::move(lock));
        found.append({id, *copy});
    }
    std::sort(found.begin(), found.end(),
        [](const LeftBehind &a, const LeftBehind &b) { return a.copy.savedAt > b.copy.savedAt; });
    return found;
}

void RecoveryStore::drop(const QString &id)
{
    const auto claimed
        = std::find_if(m_claimed.begin(), m_claimed.end(), [&id](const auto &c) { return c.first == id; });
    if (claimed == m_claimed.end())
        return;
    ::unlink(LocalPath::encode(filePath(id, CopySuffix)).constData());
    ::unlink(LocalPath::encode(filePath(id, LockSuffix)).constData());
    m_claimed.erase(claimed); // and its lock with it
}

QByteArray RecoveryStore::serialise(const RecoveryCopy &copy)
{
    // The path as the bytes the system holds: a name that is no UTF-8 comes back unchanged.
    const QJsonObject object {
        {QStringLiteral("format"), QLatin1String(Format)},
        {QStringLiteral("version"), Version},
        {QStringLiteral("path"), QString::fromLatin1(LocalPath::encode(copy.imagePath).toBase64())},
        {QStringLiteral("layout"), copy.layout == ImageLayout::Bits8 ? 8 : 16},
        {QStringLiteral("saved"), copy.savedAt.toUTC().toString(Qt::ISODateWithMs)},
        {QStringLiteral("image"), QString::fromLatin1(copy.image.toBase64())},
    };
    QJsonObject withStamp = object;
    if (copy.fileStamp) { // 64-bit numbers as text: JSON's numbers are doubles
        const FileStamp &stamp = *copy.fileStamp;
        withStamp.insert(QStringLiteral("stamp"),
            QJsonObject {{QStringLiteral("device"), QString::number(stamp.device)},
                {QStringLiteral("inode"), QString::number(stamp.inode)},
                {QStringLiteral("size"), QString::number(stamp.size)},
                {QStringLiteral("modifiedNs"), QString::number(stamp.modifiedNs)},
                {QStringLiteral("regular"), stamp.regular}});
    }
    return QJsonDocument(withStamp).toJson(QJsonDocument::Indented);
}

std::optional<RecoveryCopy> RecoveryStore::parse(const QByteArray &bytes)
{
    const QJsonObject object = QJsonDocument::fromJson(bytes).object();
    if (object.value(QStringLiteral("format")).toString() != QLatin1String(Format)
        || object.value(QStringLiteral("version")).toInt() != Version)
        return std::nullopt;
    RecoveryCopy copy;
    copy.imagePath
        = LocalPath::decode(QByteArray::fromBase64(object.value(QStringLiteral("path")).toString().toLatin1()));
    const int layout = object.value(QStringLiteral("layout")).toInt();
    if (layout != 8 && layout != 16)
        return std::nullopt;
    copy.layout = layout == 8 ? ImageLayout::Bits8 : ImageLayout::Bits16;
    copy.savedAt = QDateTime::fromString(object.value(QStringLiteral("saved")).toString(), Qt::ISODateWithMs);
    copy.image = QByteArray::fromBase64(object.value(QStringLiteral("image")).toString().toLatin1());
    if (!copy.savedAt.isValid() || copy.image.size() != ImageDecoder::byteCount(ImageLayout::Bits16))
        return std::nullopt;
    if (const QJsonObject stamp = object.value(QStringLiteral("stamp")).toObject(); !stamp.isEmpty()) {
        const auto text = [&stamp](const char *key) { return stamp.value(QLatin1String(key)).toString(); };
        copy.fileStamp
            = FileStamp {text("device").toULongLong(), text("inode").toULongLong(), text("size").toLongLong(),
                text("modifiedNs").toLongLong(), stamp.value(QStringLiteral("regular")).toBool()};
    }
    return copy;
}
