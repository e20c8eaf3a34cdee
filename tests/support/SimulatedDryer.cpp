#include "tests/support/SimulatedDryer.h"

#include "tests/support/AnalyzerSimulator.h"

namespace {
bool isInteger(const QByteArray& text)
{
    bool ok = false;
    text.toInt(&ok);
    return ok;
}
} // namespace

SimulatedDryer::SimulatedDryer(AnalyzerSimulator* simulator, QObject* parent)
    : QObject(parent), m_simulator(simulator), m_readings(this)
{
    m_current = {"105", "1", "0", "0", "1", "0", "0", "0", "0", "0", "0", "0", "0", "0"};
    m_slots.fill(m_current, SlotCount);

    for (int i = 0; i <= Profile; ++i) {
        installSetter("Su" + QByteArray::number(i), i);
        installLoader("Sd" + QByteArray::number(i), i);
    }
    for (int i = SlowTime; i < ParameterCount; ++i) {
        installSetter("Sp" + QByteArray::number(i - SlowTime), i);
        installLoader("Sv" + QByteArray::number(i - SlowTime), i);
    }
    // Slot moves answer only for an existing slot; the program then times out.
    m_simulator->setCommand("Su7", [this](const QByteArray& arg) {
        const int slot = arg.toInt();
        if (slot < 1 || slot > SlotCount || !isInteger(arg))
            return;
        m_slots[slot - 1] = m_current;
        m_simulator->reply("MQ");
    });
    m_simulator->setCommand("Su8", [this](const QByteArray& arg) {
        const int slot = arg.toInt();
        if (slot < 1 || slot > SlotCount || !isInteger(arg))
            return;
        m_current = m_slots.at(slot - 1);
        m_simulator->reply("MQ");
    });
    m_simulator->setCommand("Sx6", [this](const QByteArray&) { start(); });
    m_simulator->setCommand("Sx7", [this](const QByteArray&) { stop("SK0"); });
    connect(&m_readings, &QTimer::timeout, this, &SimulatedDryer::sendReading);
    m_readings.setInterval(50);
}

QByteArray SimulatedDryer::slotParameter(int slotNumber, int index) const
{
    return m_slots.value(slotNumber - 1).value(index);
}

void SimulatedDryer::setSlotParameter(int slotNumber, int index, const QByteArray& text)
{
    m_slots[slotNumber - 1][index] = text;
}

void SimulatedDryer::installSetter(const QByteArray& name, int index)
{
    m_simulator->setCommand(name, [this, index](const QByteArray& arg) {
        if (!isInteger(arg))
            return;
        m_current[index] = QByteArray::number(arg.toInt());
        m_simulator->reply("MQ");
    });
}

void SimulatedDryer::installLoader(const QByteArray& name, int index)
{
    m_simulator->setCommand(name, [this, index](const QByteArray& arg) {
        if (arg.isEmpty())
            m_simulator->reply(m_current.at(index));
    });
}

void SimulatedDryer::startFromKeyboard() { start(); }

void SimulatedDryer::start()
{
    m_mass = m_initialMass;
    m_readingsSent = 0;
    m_simulator->replyLines({"SS0", "WAG-50", "PROGRAM 1", "DRYING",
                             m_current.at(SamplingTime) + " s",
                             QByteArray::number(m_mass, 'f', 3) + " g"});
    // The analyzer refuses to dry a sample it cannot weigh.
    if (m_mass >= 0.02)
        m_readings.start();
}

void SimulatedDryer::stop(const QByteArray& stopLine)
{
    if (!m_readings.isActive())
        return;
    m_readings.stop();
    m_simulator->reply(stopLine);
}

void SimulatedDryer::sendReading()
{
    m_mass -= m_massStep;
    ++m_readingsSent;
    m_simulator->reply(QByteArray::number(m_mass, 'f', 3) + " g");
    if (m_readingsPerRun > 0 && m_readingsSent >= m_readingsPerRun)
        stop("SK1");
}
