#pragma once

#include <QByteArrayList>
#include <QObject>

class AnalyzerSimulator;

// The analyzer's bootloader on top of a simulator: "Sfirmwupd" is answered
// "Mfirmwupd" and switches to bootloader mode, where every S-record line is
// answered "f1" and the end record (S7, S8 or S9) "f1" then "f3", after
// which the analyzer is back in its normal mode. failAt(k) answers "f2" to
// the k-th record (from 1) instead and leaves the bootloader.
class SimulatorBootloader : public QObject
{
    Q_OBJECT

public:
    explicit SimulatorBootloader(AnalyzerSimulator* simulator, QObject* parent = nullptr);

    void failAt(int record) { m_failAt = record; }
    bool isActive() const { return m_active; }
    // The record lines received in bootloader mode, without CR LF.
    QByteArrayList records() const { return m_records; }

signals:
    void finished(bool ok);

private:
    void enter();
    void leave(bool ok);
    void onRecord(const QByteArray& line);

    AnalyzerSimulator* m_simulator;
    QByteArrayList m_records;
    int m_failAt = 0;
    bool m_active = false;
};
