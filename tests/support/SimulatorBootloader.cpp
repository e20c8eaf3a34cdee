#include "tests/support/SimulatorBootloader.h"

#include "tests/support/AnalyzerSimulator.h"

namespace {
const QByteArray recordTypes = "0123456789";
}

SimulatorBootloader::SimulatorBootloader(AnalyzerSimulator* simulator, QObject* parent)
    : QObject(parent), m_simulator(simulator)
{
    m_simulator->setCommand("Sfirmwupd", [this](const QByteArray&) {
        m_simulator->reply("Mfirmwupd");
        enter();
    });
}

void SimulatorBootloader::enter()
{
    m_active = true;
    m_records.clear();
    // Records start with "S" and a digit, which no analyzer command does.
    for (char type : recordTypes) {
        const QByteArray name = QByteArray("S") + type;
        m_simulator->setCommand(name,
                                [this, name](const QByteArray& rest) { onRecord(name + rest); });
    }
}

void SimulatorBootloader::leave(bool ok)
{
    m_active = false;
    for (char type : recordTypes)
        m_simulator->removeCommand(QByteArray("S") + type);
    emit finished(ok);
}

void SimulatorBootloader::onRecord(const QByteArray& line)
{
    m_records << line;
    if (m_records.size() == m_failAt) {
        m_simulator->reply("f2");
        leave(false);
    } else if (line.startsWith("S7") || line.startsWith("S8") || line.startsWith("S9")) {
        m_simulator->replyLines({"f1", "f3"});
        leave(true);
    } else {
        m_simulator->reply("f1");
    }
}
