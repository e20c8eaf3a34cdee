#pragma once

#include <QVariant>

namespace Common {

// One row of a table model: says how many columns it has and what it holds
// in each. Models own their records and delete them through this base.
class CustomTableRecord
{
public:
    virtual ~CustomTableRecord() = default;
    virtual int columnCount() const { return 0; }
    virtual QVariant value(int column) const
    {
        Q_UNUSED(column)
        return QVariant();
    }
    // Read-only unless a record says otherwise.
    virtual bool setValue(int column, const QVariant& value)
    {
        Q_UNUSED(column)
        Q_UNUSED(value)
        return false;
    }
};

} // namespace Common
