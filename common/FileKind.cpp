// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/FileKind.h"

#include <QCoreApplication>
#include <sys/stat.h>

QString FileKind::describe(mode_t mode)
{
    if (S_ISREG(mode))
        return QCoreApplication::translate("FileKind", "a regular file");
    if (S_ISDIR(mode))
        return QCoreApplication::translate("FileKind", "a folder");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("FileKind", "a named pipe");
    if (S_ISBLK(mode))
        return QCoreApplication::translate("FileKind", "a block device (a disk or a partition)");
    if (S_ISCHR(mode))
        return QCoreApplication::translate("FileKind", "a character device");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("FileKind", "a socket");
    return QCoreApplication::translate("FileKind", "a file of an unknown kind");
}
