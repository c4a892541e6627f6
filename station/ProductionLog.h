// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>

#include "common/FileDescriptor.h"

#include <QDateTime>
#include <QMutex>
#include <QString>

// The station's record: one CSV line for each chip, appended to a file that is never replaced or
// cut, each line on the disk (fdatasync) before append() returns, so that a crash or a kill
// leaves every finished chip's line whole. A new or empty file starts with a line naming the
// columns; one whose last line was cut short (a full disk) gets a line break first, so that the
// next line starts on its own. Safe to append to from several lanes at once.
class ProductionLog
{
    Q_DECLARE_TR_FUNCTIONS(ProductionLog)

public:
    struct Entry
    {
        QDateTime time; // UTC
        QString user;
        int lane = 0; // from 1
        QString target;
        QString imageFile;
        QString imageSha256;
        QString result; // PASS or FAIL
        int chipPagesWritten = 0;
        int firstDifference = -1; // the first byte that reads back wrong; -1: none
        qint64 milliseconds = 0;
        QString backupPath;
        QString reason; // why it failed; empty for a pass
    };

    // Opens (or makes) the log for appending. Throws AppError when it cannot be.
    explicit ProductionLog(const QString &path);

    static QByteArray header();
    static QByteArray line(const Entry &entry);
    // Throws AppError when the line cannot be put on the disk whole.
    void append(const Entry &entry);

private:
    QString m_path;
    FileDescriptor m_file;
    QMutex m_writing;
};
