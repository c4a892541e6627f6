// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "station/ProductionLog.h"

#include "common/AppError.h"
#include "common/LocalPath.h"
#include "common/SystemErrorText.h"

#include <QCoreApplication>
#include <QStringList>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// A field as a spreadsheet reads it back: quoted where it holds a comma, a quote or a line break,
// and where a spreadsheet would take it for a formula.
QByteArray field(const QString &text)
{
    QString value = text;
    if (!value.isEmpty() && QStringLiteral("=+-@").contains(value.front()))
        value.prepend(QLatin1Char('\''));
    if (value.contains(QLatin1Char(',')) || value.contains(QLatin1Char('"')) || value.contains(QLatin1Char('\n'))
        || value.contains(QLatin1Char('\r')) || value != text) {
        value.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        value = QLatin1Char('"') + value + QLatin1Char('"');
    }
    return value.toUtf8();
}

void writeWhole(int file, const QByteArray &bytes, const QString &path)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(file, bytes.constData() + done, static_cast<std::size_t>(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throw AppError(ProductionLog::tr("The log %1 cannot be written: %2")
                               .arg(LocalPath::displayed(path), systemErrorText(written < 0 ? errno : ENOSPC)));
        done += written;
    }
    if (::fdatasync(file) != 0)
        throw AppError(ProductionLog::tr("The log %1 cannot be written: %2")
                           .arg(LocalPath::displayed(path), systemErrorText(errno)));
}
} // namespace

ProductionLog::ProductionLog(const QString &path)
    : m_path(path)
    , m_file(::open(LocalPath::encode(path).constData(), O_RDWR | O_APPEND | O_CREAT | O_NOCTTY | O_CLOEXEC, 0644))
{
    if (!m_file.isOpen())
        throw AppError(ProductionLog::tr("The log %1 cannot be opened: %2")
                           .arg(LocalPath::displayed(path), systemErrorText(errno)));
    struct stat status
    {
    };
    if (::fstat(m_file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        throw AppError(ProductionLog::tr("The log %1 is no regular file.").arg(LocalPath::displayed(path)));
    char last = '\n';
    if (status.st_size == 0)
        writeWhole(m_file.get(), header(), path);
    else if (::pread(m_file.get(), &last, 1, status.st_size - 1) == 1 && last != '\n')
        writeWhole(m_file.get(), "\n", path); // a line cut short by a full disk stays apart from the next
}

QByteArray ProductionLog::header()
{
    return "utc_time,user,lane,target,image_file,image_sha256,result,chip_pages_written,first_difference,"
           "duration_ms,backup_path,reason\n";
}

QByteArray ProductionLog::line(const Entry &entry)
{
    const QStringList fields {entry.time.toUTC().toString(Qt::ISODateWithMs), entry.user, QString::number(entry.lane),
        entry.target, entry.imageFile, entry.imageSha256, entry.result, QString::number(entry.chipPagesWritten),
        entry.firstDifference < 0 ? QString() : QString::number(entry.firstDifference),
        QString::number(entry.milliseconds), entry.backupPath, entry.reason};
    QByteArray text;
    for (const QString &value : fields)
        text += (text.isEmpty() ? QByteArray() : QByteArray(",")) + field(value);
    return text + '\n';
}

void ProductionLog::append(const Entry &entry)
{
    const QMutexLocker locked(&m_writing);
    writeWhole(m_file.get(), line(entry), m_path); // one write: O_APPEND keeps lines whole
}
