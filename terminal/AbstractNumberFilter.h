#pragma once

#include "terminal/IFilter.h"

namespace Common {
namespace Filters {

// Numeric predicate compared in T's own arithmetic; a value that does not
// convert to T fails.
template <typename T>
class AbstractNumberFilter : public IFilter
{
public:
    explicit AbstractNumberFilter(qint32 mode = Equal, T from = T(), T to = T())
        : m_mode(mode), m_from(from), m_to(to)
    { }

    bool test(const QVariant& value) const override
    {
        if (!value.isValid())
            return false;
        bool ok = false;
        const T v = convert(value, &ok);
        return ok && compareByMode(m_mode, v, m_from, m_to);
    }

    virtual T convert(const QVariant& value, bool* ok) const = 0;

    void setMode(qint32 mode) { m_mode = mode; }
    void setFrom(T from) { m_from = from; }
    void setTo(T to) { m_to = to; }
    qint32 mode() const { return m_mode; }
    T from() const { return m_from; }
    T to() const { return m_to; }

private:
    qint32 m_mode;
    T m_from;
    T m_to;
};

} // namespace Filters
} // namespace Common
