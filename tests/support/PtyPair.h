#pragma once

#include <QString>

// A pseudo-terminal pair: the serial cable of the tests. The program opens
// the slave path as a serial port; the simulated device reads and writes
// the master side.
class PtyPair
{
public:
    PtyPair() = default;
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    // Opens a raw pair; false when the system has no pseudo-terminals left.
    bool open();
    void close();

    bool isOpen() const { return m_master >= 0; }
    int masterFd() const { return m_master; }
    QString slavePath() const { return m_slavePath; }
    // The baud rate the slave side was last set to (what the program chose).
    int slaveBaudRate() const;

private:
    int m_master = -1;
    int m_slave = -1; // kept open so the master never sees the pair hang up
    QString m_slavePath;
};
