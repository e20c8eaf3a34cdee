#include "drying/AbstractVariantDataHandler.h"

namespace Common {
namespace DataHandlers {

AbstractVariantDataHandler::AbstractVariantDataHandler(int acceptedType)
    : m_acceptedType(acceptedType)
{ }

void AbstractVariantDataHandler::set(const QVariant& value)
{
    if (value.userType() == m_acceptedType)
        setValue(value);
}

} // namespace DataHandlers
} // namespace Common
