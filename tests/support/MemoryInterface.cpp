#include "tests/support/MemoryInterface.h"

MemoryInterface::MemoryInterface(QObject* parent) : CInterface(parent) { }

void MemoryInterface::feed(const QByteArray& bytes)
{
    queue(bytes);
    emit readyRead();
}

void MemoryInterface::queue(const QByteArray& bytes)
{
    // Drop what was read already, so long feeds do not grow without end.
    if (m_readPos > 0 && m_readPos >= m_incoming.size() / 2) {
        m_incoming.remove(0, m_readPos);
        m_readPos = 0;
    }
    m_incoming.append(bytes);
}

QByteArray MemoryInterface::take(int max)
{
    const int count = qMin(max, pendingBytes());
    const QByteArray bytes = m_incoming.mid(m_readPos, count);
    m_readPos += count;
    return bytes;
}

CInterface* MemoryInterface::clone(QObject* parent)
{
    auto* copy = new MemoryInterface(parent);
    copy->setDescription(m_description);
    return copy;
}

bool MemoryInterface::open()
{
    // A new connection, as the real transports make one: no half-decoded
    // character of the last one.
    resetDecoder();
    ++m_openCount;
    reportState(m_openResult ? Connected : Disconnected);
    return m_openResult;
}

bool MemoryInterface::writeLine(QString text) { return writeBytes(text.toUtf8()); }

bool MemoryInterface::writeBytes(QByteArray bytes)
{
    if (m_writeFails)
        return false;
    m_writes.append(bytes);
    emit written(bytes);
    return true;
}

int MemoryInterface::readAllBytes(QByteArray& bytes)
{
    bytes = take(pendingBytes());
    return bytes.size();
}

bool MemoryInterface::waitAndReadText(QString& text, int) { return readText(text) > 0; }

bool MemoryInterface::close()
{
    ++m_closeCount;
    reportState(Disconnected);
    return true;
}

int MemoryInterface::readText(QString& text)
{
    const int count = qMin(int(kReadChunk), pendingBytes());
    if (count == 0) {
        text.clear();
        return 0;
    }
    decodeChunk(m_incoming.constData() + m_readPos, count, text);
    m_readPos += count;
    return count;
}

void MemoryInterface::discardInput() { m_readPos = m_incoming.size(); }

bool MemoryInterface::waitForReadyRead(int) { return pendingBytes() > 0; }

QString MemoryInterface::description() { return m_description; }
