#include "communication/CommandSendFwLineS19.h"

namespace Common {
namespace Communication {

bool CommandSendFwLineS19::handleLine(QString line)
{
    if (line.size() == 2 && line.at(0) == QLatin1Char('f') && line.at(1) >= QLatin1Char('1')
        && line.at(1) <= QLatin1Char('3')) {
        m_replyCode = line.at(1).unicode() - '0';
        setFinished();
        return true;
    }
    setFailed();
    return false;
}

QString CommandSendFwLineS19::text() { return m_line; }

} // namespace Communication
} // namespace Common
