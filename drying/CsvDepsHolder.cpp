#include "drying/CsvDepsHolder.h"

namespace Common {

CsvDepsHolder::CsvDepsHolder(MessageBoxContext* boxes) : m_boxes(boxes), m_deps(*boxes) { }

} // namespace Common
