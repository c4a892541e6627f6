// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/PageRanges.h"

#include <QStringList>

QString PageRanges::text(const QList<int> &pages)
{
    QStringList parts;
    for (qsizetype i = 0; i < pages.size();) {
        qsizetype last = i;
        while (last + 1 < pages.size() && pages.at(last + 1) == pages.at(last) + 1)
            ++last;
        parts << (last == i ? QString::number(pages.at(i))
                            : QStringLiteral("%1\u2013%2").arg(pages.at(i)).arg(pages.at(last)));
        i = last + 1;
    }
    return parts.join(QStringLiteral(", "));
}
