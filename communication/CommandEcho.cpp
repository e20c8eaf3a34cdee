#include "communication/CommandEcho.h"

namespace Common {
namespace Communication {

CommandEcho::CommandEcho(QObject* parent) : Command(parent) { }

CommandEcho::CommandEcho(int limit, QObject* parent) : Command(parent), m_limit(limit) { }

bool CommandEcho::handleLine(QString line)
{
    m_gotReply = true;
    m_matched = isMatch(line);
    if (m_matched) {
        setFinished();
        return true;
    }
    ++m_linesSeen;
    if (m_linesSeen >= m_limit)
        setFailed();
    return false;
}

} // namespace Communication
} // namespace Common
