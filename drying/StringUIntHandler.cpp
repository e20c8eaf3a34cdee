#include "drying/StringUIntHandler.h"

namespace Common {
namespace DataHandlers {

StringUIntHandler::StringUIntHandler(unsigned int* field) : m_field(field) { }

void StringUIntHandler::set(const QString& value)
{
    bool ok = false;
    const unsigned int number = value.toUInt(&ok, 10);
    if (ok && m_field)
        *m_field = number;
}

} // namespace DataHandlers
} // namespace Common
