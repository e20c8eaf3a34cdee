#pragma once

#include <QString>

#include "drying/IDataHandler.h"

namespace Common {
namespace DataHandlers {

// A number in the C locale's form; a text that is not one leaves the field
// unchanged.
class StringDoubleHandler : public IDataHandler<QString>
{
public:
    explicit StringDoubleHandler(double* field);
    void set(const QString& value) override;

private:
    double* m_field;
};

} // namespace DataHandlers
} // namespace Common
