#include "drying/LineHandler.h"

#include "drying/CSVErrorHandlerDescriptor.h"
#include "drying/ITdFileDataReceiver.h"

#include <cmath>

namespace KD {
namespace Drying {
namespace CSV {

LineHandler::LineHandler(ITdFileDataReceiver* receiver)
    : m_receiver(receiver), m_time(QStringLiteral("HH:mm:ss"))
{ }

bool LineHandler::handle(const QStringList& fields)
{
    if (fields.isEmpty())
        return true;
    if (fields.size() < 2) {
        m_errorText = CSVErrorHandlerDescriptor::invalidFieldsCount(2, fields.size());
        return false;
    }
    if (!m_time.handle(fields[0])) {
        m_errorText = m_time.errorText();
        return false;
    }
    bool ok = false;
    const double mass = fields[1].toDouble(&ok);
    // "nan" and "inf" parse as numbers but would poison the humidity and the plot.
    if (!ok || !std::isfinite(mass)) {
        m_errorText = QObject::tr("Could not parse mass: %1")
                          .arg(CSVErrorHandlerDescriptor::excerpt(fields[1]).toHtmlEscaped());
        return false;
    }
    m_receiver->receive(m_time.timeMs(), mass);
    return true;
}

} // namespace CSV
} // namespace Drying
} // namespace KD
