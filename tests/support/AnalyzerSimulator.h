#pragma once

#include <QByteArrayList>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

// The analyzer as the program sees it: CR LF command lines in, CR LF reply
// lines out. This class is the protocol alone; the links (pty master, TCP
// module, TCP device) carry its bytes. It can be told to misbehave.
//
// Adding a command: setCommand("Sx6", handler). A line is matched exactly
// first, then by the longest registered name it starts with; the handler
// gets the rest of the line (the value of "Sp0100" is "100") and answers
// with reply()/replyLines(), at once or later from a timer.
class AnalyzerSimulator : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(const QByteArray& argument)>;

    explicit AnalyzerSimulator(QObject* parent = nullptr);

    void setCommand(const QByteArray& name, Handler handler);
    void removeCommand(const QByteArray& name);
    // The six lines answered to "SW9".
    void setIdentification(const QByteArrayList& lines) { m_identification = lines; }

    // Received bytes, in whatever pieces the link delivers them.
    void receiveBytes(const QByteArray& bytes);
    // Queues one line (CR LF added) through the fault switches below.
    void reply(const QByteArray& line);
    void replyLines(const QByteArrayList& lines);
    // Queues bytes exactly as given (no CR LF added, faults other than
    // delays and chunking not applied).
    void sendRaw(const QByteArray& bytes);
    // Bytes that never end in CR LF, as a device at the wrong baud rate sends.
    void sendGarbage(int count);
    // The link closes the connection (TCP links; a pty has no connection).
    void dropConnection();

    QByteArrayList receivedLines() const { return m_received; }
    void clearReceived() { m_received.clear(); }
    // Nothing queued or waiting to be sent.
    bool isIdle() const { return m_queue.empty(); }

    // Fault switches.
    void setSilent(bool silent) { m_silent = silent; } // no replies at all
    void setReplyDelay(int ms) { m_replyDelay = ms; } // before each reply
    void setChunkSize(int bytes) { m_chunkSize = bytes; } // cut output; 0 = whole
    void setChunkGap(int ms) { m_chunkGap = ms; } // between chunks
    void setEmptyLinesBefore(int count) { m_emptyLines = count; } // before each reply
    void setZeroByteAfterReply(bool on) { m_zeroByte = on; } // "\0junk" after a reply
    void setWrongCase(bool on) { m_wrongCase = on; } // replies in lower case
    void setIgnoreUnknown(bool on) { m_ignoreUnknown = on; } // else "?" to unknown lines

signals:
    // The bytes to put on the wire, in order.
    void bytesOut(const QByteArray& bytes);
    void dropRequested();
    void lineReceived(const QByteArray& line);

private:
    struct Pending
    {
        qint64 due; // on m_clock
        QByteArray bytes;
    };

    void handleLine(const QByteArray& line);
    void enqueue(const QByteArray& bytes, int delay);
    void flush();

    QHash<QByteArray, Handler> m_commands;
    QByteArrayList m_identification;
    QByteArray m_input;
    QByteArrayList m_received;
    std::deque<Pending> m_queue;
    QElapsedTimer m_clock;
    QTimer m_timer;

    bool m_silent = false;
    int m_replyDelay = 0;
    int m_chunkSize = 0;
    int m_chunkGap = 0;
    int m_emptyLines = 0;
    bool m_zeroByte = false;
    bool m_wrongCase = false;
    bool m_ignoreUnknown = true;
};
