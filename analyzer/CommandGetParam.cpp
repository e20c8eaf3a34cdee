#include "analyzer/CommandGetParam.h"

#include <QDebug>
#include <qnumeric.h>

namespace KD {
namespace Communication {

CommandGetParam::CommandGetParam(const QString& mnemonic, bool isDouble, QObject* parent)
    : Command(parent), m_text(mnemonic), m_isDouble(isDouble)
{ }

bool CommandGetParam::handleLine(QString line)
{
    qDebug() << Q_FUNC_INFO << m_text << line;
    if (isFinished())
        return false;

    const QString trimmed = line.trimmed();
    bool ok = false;
    if (m_isDouble) {
        const double v = trimmed.toDouble(&ok);
        // "inf"/"nan" parse, but no parameter can hold them.
        ok = ok && qIsFinite(v);
        if (ok)
            m_double = v;
    } else {
        const int v = trimmed.toInt(&ok, 10);
        if (ok)
            m_int = v;
    }
    // Anything else is no reply: the line goes on and the command times out.
    if (!ok)
        return false;
    setFinished();
    return true;
}

QString CommandGetParam::text() { return m_text + QStringLiteral("\r\n"); }

QVariant CommandGetParam::value() const
{
    return m_isDouble ? QVariant(m_double) : QVariant(m_int);
}

} // namespace Communication
} // namespace KD
