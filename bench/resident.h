// SPDX-License-Identifier: MIT
#pragma once

#include <QFile>

// The process's resident memory now, in KiB; -1 where /proc cannot say.
inline long ResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}
