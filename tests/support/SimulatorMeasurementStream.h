#pragma once

#include <QObject>
#include <QTimer>

class AnalyzerSimulator;

// Mass readings that the analyzer sends on its own, one line every interval,
// whatever else it is doing: they keep coming while an echo waits for its
// answer (delayEcho makes the analyzer answer "SJ" late, from a timer, so
// readings pass before the "MJ").
class SimulatorMeasurementStream : public QObject
{
    Q_OBJECT

public:
    explicit SimulatorMeasurementStream(AnalyzerSimulator* simulator, QObject* parent = nullptr);

    // Lines "<mass> g", the mass falling by 0.001 g per reading.
    void start(int intervalMs, double firstMass = 12.5);
    void stop() { m_timer.stop(); }
    int sent() const { return m_sent; }
    void delayEcho(int ms);

private:
    AnalyzerSimulator* m_simulator;
    QTimer m_timer;
    double m_mass = 0;
    int m_sent = 0;
};
