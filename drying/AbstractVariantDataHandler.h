#pragma once

#include <QVariant>

#include "drying/IDataHandler.h"

namespace Common {
namespace DataHandlers {

// Accepts only a QVariant of one type: values of any other type leave the
// field as it was, so a text never lands in a date or number field.
class AbstractVariantDataHandler : public IDataHandler<QVariant>
{
public:
    explicit AbstractVariantDataHandler(int acceptedType);

    void set(const QVariant& value) override;
    int acceptedType() const { return m_acceptedType; }

protected:
    virtual void setValue(QVariant value) = 0;

private:
    int m_acceptedType;
};

} // namespace DataHandlers
} // namespace Common
