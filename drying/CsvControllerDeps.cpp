#include "drying/CsvControllerDeps.h"

namespace Common {

CsvControllerDeps::CsvControllerDeps(const MessageBoxContext& boxes) : m_errorHandler(boxes) { }

} // namespace Common
