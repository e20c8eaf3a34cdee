#pragma once

#include "drying/ICheckedValuesHandler.h"

namespace Common {
namespace RunContext {

// The checked set of the value enumeration Enum, kept as plain ids (Converter
// maps between the two) in a set the handler does not own.
template <typename Enum, typename Converter>
class TemplatedCheckedValuesHandler : public ICheckedValuesHandler
{
public:
    explicit TemplatedCheckedValuesHandler(QSet<int>* checked) : m_checked(checked) { }

    QSet<int> checkedAll() const override { return *m_checked; }

    void setChecked(int id, bool checked) override
    {
        if (checked)
            m_checked->insert(id);
        else
            m_checked->remove(id);
    }

    void setCheckedAll(const QSet<int>& ids) override { *m_checked = ids; }

    bool isChecked(Enum value) const { return m_checked->contains(Converter::toInt(value)); }

private:
    QSet<int>* m_checked;
};

} // namespace RunContext
} // namespace Common
