#pragma once

#include "drying/CsvControllerDeps.h"

namespace Common {

// Keeps the CSV bundle of the drying page with the message-box context it was
// built from, for the product's object graph.
class CsvDepsHolder
{
public:
    explicit CsvDepsHolder(MessageBoxContext* boxes);

    MessageBoxContext* messageBoxContext() const { return m_boxes; }
    ICsvControllerDeps* deps() { return &m_deps; }

private:
    MessageBoxContext* m_boxes;
    CsvControllerDeps m_deps;
};

} // namespace Common
