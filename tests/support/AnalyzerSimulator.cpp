#include "tests/support/AnalyzerSimulator.h"

#include <QRandomGenerator>

AnalyzerSimulator::AnalyzerSimulator(QObject* parent) : QObject(parent), m_timer(this)
{
    m_clock.start();
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &AnalyzerSimulator::flush);
    m_identification = {"WAG-50", "SN 00123 X7", "2024-04-12", "v2.07", "--", "--"};
    setCommand("SJ", [this](const QByteArray&) { reply("MJ"); });
    setCommand("SW9", [this](const QByteArray&) { replyLines(m_identification); });
}

void AnalyzerSimulator::setCommand(const QByteArray& name, Handler handler)
{
    m_commands.insert(name, std::move(handler));
}

void AnalyzerSimulator::removeCommand(const QByteArray& name) { m_commands.remove(name); }

void AnalyzerSimulator::receiveBytes(const QByteArray& bytes)
{
    m_input += bytes;
    int end;
    while ((end = m_input.indexOf("\r\n")) >= 0) {
        const QByteArray line = m_input.left(end);
        m_input.remove(0, end + 2);
        handleLine(line);
    }
}

void AnalyzerSimulator::handleLine(const QByteArray& line)
{
    m_received.append(line);
    emit lineReceived(line);
    auto match = m_commands.constFind(line);
    if (match == m_commands.constEnd()) {
        int longest = -1;
        for (auto it = m_commands.constBegin(); it != m_commands.constEnd(); ++it) {
            if (it.key().size() > longest && line.startsWith(it.key())) {
                longest = it.key().size();
                match = it;
            }
        }
    }
    if (match != m_commands.constEnd()) {
        // Copy: a handler may replace itself.
        const Handler handler = match.value();
        handler(line.mid(match.key().size()));
    } else if (!m_ignoreUnknown) {
        reply("?");
    }
}

void AnalyzerSimulator::reply(const QByteArray& line) { replyLines({line}); }

void AnalyzerSimulator::replyLines(const QByteArrayList& lines)
{
    if (m_silent)
        return;
    QByteArray bytes;
    for (const QByteArray& line : lines) {
        for (int i = 0; i < m_emptyLines; ++i)
            bytes += "\r\n";
        bytes += (m_wrongCase ? line.toLower() : line) + "\r\n";
        if (m_zeroByte)
            bytes += QByteArray("\0junk", 5);
    }
    enqueue(bytes, m_replyDelay);
}

void AnalyzerSimulator::sendRaw(const QByteArray& bytes) { enqueue(bytes, 0); }

void AnalyzerSimulator::sendGarbage(int count)
{
    QByteArray bytes(count, Qt::Uninitialized);
    for (char& c : bytes) {
        // Anything but CR and LF.
        c = char(QRandomGenerator::global()->bounded(14, 256));
    }
    enqueue(bytes, 0);
}

void AnalyzerSimulator::dropConnection() { emit dropRequested(); }

void AnalyzerSimulator::enqueue(const QByteArray& bytes, int delay)
{
    // Keep order: nothing leaves before what was queued earlier.
    qint64 due = m_clock.elapsed() + delay;
    if (!m_queue.empty())
        due = qMax(due, m_queue.back().due);
    const int step = m_chunkSize > 0 ? m_chunkSize : bytes.size();
    for (int at = 0; at < bytes.size(); at += step) {
        m_queue.push_back({due, bytes.mid(at, step)});
        due += m_chunkGap;
    }
    flush();
}

void AnalyzerSimulator::flush()
{
    const qint64 now = m_clock.elapsed();
    while (!m_queue.empty() && m_queue.front().due <= now) {
        const QByteArray bytes = m_queue.front().bytes;
        m_queue.pop_front();
        emit bytesOut(bytes);
    }
    if (!m_queue.empty())
        m_timer.start(int(m_queue.front().due - now));
}
