#pragma once
// The resident memory of the running process, for tests and benchmarks that
// check what a piece of work holds on to.

#include <QByteArray>
#include <QFile>

namespace ProcessMemory {

// VmRSS from /proc/self/status in KiB; -1 when it cannot be read.
inline long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray const& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

} // namespace ProcessMemory
