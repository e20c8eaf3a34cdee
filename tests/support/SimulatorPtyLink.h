#pragma once

#include "tests/support/PtyPair.h"

#include <QObject>

class AnalyzerSimulator;
class QSocketNotifier;

// Carries the simulator's bytes over the master side of a pty pair; the
// program opens slavePath() as its serial port.
class SimulatorPtyLink : public QObject
{
    Q_OBJECT

public:
    explicit SimulatorPtyLink(AnalyzerSimulator* simulator, QObject* parent = nullptr);

    bool open();
    // Pulls the cable: the program's port sees the line hang up.
    void close();
    QString slavePath() const { return m_pty.slavePath(); }
    int slaveBaudRate() const { return m_pty.slaveBaudRate(); }
    // Hears only what the program sends at this rate (0: at any rate), as a
    // real analyzer at 9600 does not understand a probe at 115200.
    void setOnlyBaudRate(int baudRate) { m_onlyBaudRate = baudRate; }

private:
    void onReadable();
    void write(const QByteArray& bytes);
    void writePending();

    AnalyzerSimulator* m_simulator;
    PtyPair m_pty;
    QSocketNotifier* m_notifier = nullptr;
    // What the pty did not take yet: the program reads it on this same
    // thread, so writing must never block.
    QByteArray m_pending;
    QSocketNotifier* m_writable = nullptr;
    int m_onlyBaudRate = 0;
};
