#pragma once

#include "communication/CInterface.h"

#include <QByteArrayList>

// A transport without a device: tests feed the bytes the device would send
// and read back what was written. Reads take at most kReadChunk bytes, as
// the real transports do.
class MemoryInterface : public CInterface
{
    Q_OBJECT

public:
    explicit MemoryInterface(QObject* parent = nullptr);

    // Queues bytes as received and announces them with readyRead().
    void feed(const QByteArray& bytes);
    // Queues bytes without announcing them.
    void queue(const QByteArray& bytes);
    int pendingBytes() const { return m_incoming.size() - m_readPos; }

    QByteArrayList writes() const { return m_writes; }
    QByteArray writtenBytes() const { return m_writes.join(); }
    void clearWrites() { m_writes.clear(); }

    void setOpenResult(bool ok) { m_openResult = ok; }
    void setWriteFails(bool fails) { m_writeFails = fails; }
    // Reports a state as a transport does when its link changes.
    void announceState(int state) { reportState(state); }
    int openCount() const { return m_openCount; }
    int closeCount() const { return m_closeCount; }
    void setDescription(const QString& text) { m_description = text; }

    CInterface* clone(QObject* parent) override;
    bool open() override;
    bool writeLine(QString text) override;
    bool writeBytes(QByteArray bytes) override;
    int readAllBytes(QByteArray& bytes) override;
    bool waitAndReadText(QString& text, int ms) override;
    bool close() override;
    int readText(QString& text) override;
    void discardInput() override;
    bool waitForReadyRead(int ms) override;
    QString description() override;

signals:
    // Lets tests wait for a write, or for its absence, instead of sleeping.
    void written(const QByteArray& bytes);

private:
    QByteArray take(int max);

    QByteArray m_incoming;
    int m_readPos = 0;
    QByteArrayList m_writes;
    bool m_openResult = true;
    bool m_writeFails = false;
    int m_openCount = 0;
    int m_closeCount = 0;
    QString m_description = QStringLiteral("Memory");
};
