#include "communication/CommandSimple.h"

namespace Common {
namespace Communication {

CommandSimple::CommandSimple(bool noReply, QObject* parent)
    : Command(parent), m_noReply(noReply) { }

bool CommandSimple::handleLine(QString line)
{
    if (m_noReply || line != m_expectedReply)
        return false;
    setFinished();
    return true;
}

QString CommandSimple::text() { return m_line; }

void CommandSimple::onSent()
{
    if (m_noReply)
        setFinished();
}

} // namespace Communication
} // namespace Common
