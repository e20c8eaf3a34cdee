#include "analyzer/CommandSetInt.h"

namespace KD {
namespace Communication {

CommandSetInt::CommandSetInt(const QString& mnemonic, const QString& expectedReply, QObject* parent)
    : Command(parent), m_text(mnemonic), m_expectedReply(expectedReply)
{ }

bool CommandSetInt::handleLine(QString line)
{
    if (isFinished() || line != m_expectedReply)
        return false;
    setFinished();
    return true;
}

QString CommandSetInt::text() { return m_text + QString::number(m_value) + QStringLiteral("\r\n"); }

} // namespace Communication
} // namespace KD
