#include "tests/support/SimulatorMeasurementStream.h"

#include "tests/support/AnalyzerSimulator.h"

SimulatorMeasurementStream::SimulatorMeasurementStream(AnalyzerSimulator* simulator,
                                                       QObject* parent)
    : QObject(parent), m_simulator(simulator), m_timer(this)
{
    connect(&m_timer, &QTimer::timeout, this, [this] {
        // sendRaw: not held back behind a delayed reply.
        m_simulator->sendRaw(QByteArray::number(m_mass, 'f', 3) + " g\r\n");
        m_mass -= 0.001;
        ++m_sent;
    });
}

void SimulatorMeasurementStream::start(int intervalMs, double firstMass)
{
    m_mass = firstMass;
    m_sent = 0;
    m_timer.start(intervalMs);
}

void SimulatorMeasurementStream::delayEcho(int ms)
{
    m_simulator->setCommand("SJ", [this, ms](const QByteArray&) {
        QTimer::singleShot(ms, m_simulator, [this] { m_simulator->reply("MJ"); });
    });
}
