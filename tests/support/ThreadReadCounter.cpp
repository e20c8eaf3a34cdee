#include "tests/support/ThreadReadCounter.h"

#include <QFile>

namespace {

// "rchar" counts every byte that read() and its kin returned to this thread,
// from the page cache or the disk alike (a file's hole included).
qint64 readSoFar()
{
    QFile io(QStringLiteral("/proc/thread-self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> lines = io.readAll().split('\n');
    for (const QByteArray& line : lines) {
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}

} // namespace

ThreadReadCounter::ThreadReadCounter() : m_start(readSoFar()) { }

qint64 ThreadReadCounter::bytes() const
{
    const qint64 now = readSoFar();
    return m_start < 0 || now < 0 ? -1 : now - m_start;
}
