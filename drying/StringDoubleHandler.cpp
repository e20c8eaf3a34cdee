#include "drying/StringDoubleHandler.h"

namespace Common {
namespace DataHandlers {

StringDoubleHandler::StringDoubleHandler(double* field) : m_field(field) { }

void StringDoubleHandler::set(const QString& value)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (ok && m_field)
        *m_field = number;
}

} // namespace DataHandlers
} // namespace Common
