#include "ui/AbstractFilePathGetter.h"

namespace Common {

AbstractFilePathGetter::AbstractFilePathGetter(const QString& context, int fileType)
    : m_context(context), m_fileType(fileType)
{ }

} // namespace Common
