#pragma once

#include <QString>

#include "drying/IDataHandler.h"

namespace Common {
namespace DataHandlers {

// A decimal unsigned number; a text that is not one (negative, empty, with
// trailing letters) leaves the field unchanged.
class StringUIntHandler : public IDataHandler<QString>
{
public:
    explicit StringUIntHandler(unsigned int* field);
    void set(const QString& value) override;

private:
    unsigned int* m_field;
};

} // namespace DataHandlers
} // namespace Common
