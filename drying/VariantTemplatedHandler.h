#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include "drying/AbstractVariantDataHandler.h"

namespace Common {
namespace DataHandlers {

// Writes a field of type T from a QVariant whose type id is TypeId.
template <typename T, unsigned TypeId>
class VariantTemplatedHandler : public AbstractVariantDataHandler
{
public:
    explicit VariantTemplatedHandler(T* field)
        : AbstractVariantDataHandler(int(TypeId)), m_field(field)
    { }

protected:
    void setValue(QVariant value) override
    {
        if (m_field)
            *m_field = value.value<T>();
    }

private:
    T* m_field;
};

using VariantStringHandler = VariantTemplatedHandler<QString, QMetaType::QString>;
using VariantDateHandler = VariantTemplatedHandler<QDate, QMetaType::QDate>;
using VariantTimeHandler = VariantTemplatedHandler<QTime, QMetaType::QTime>;
using VariantDateTimeHandler = VariantTemplatedHandler<QDateTime, QMetaType::QDateTime>;
using VariantDoubleHandler = VariantTemplatedHandler<double, QMetaType::Double>;
using VariantUIntHandler = VariantTemplatedHandler<unsigned int, QMetaType::UInt>;

} // namespace DataHandlers
} // namespace Common
