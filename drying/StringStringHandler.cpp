#include "drying/StringStringHandler.h"

namespace Common {
namespace DataHandlers {

StringStringHandler::StringStringHandler(QString* field) : m_field(field) { }

void StringStringHandler::set(const QString& value)
{
    if (m_field)
        *m_field = value;
}

} // namespace DataHandlers
} // namespace Common
