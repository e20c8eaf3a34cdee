#include "communication/Command.h"

namespace Common {
namespace Communication {

Command::Command(QObject* parent) : QObject(parent) { }

void Command::onSent() { }

void Command::reset() { m_finished = false; }

bool Command::restartTimerOnLine() { return false; }

void Command::setFailed()
{
    m_finished = true;
    m_ok = false;
}

} // namespace Communication
} // namespace Common
