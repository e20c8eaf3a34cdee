#pragma once

#include "terminal/IFilter.h"

#include <QTime>

namespace Common {
namespace Filters {

// Time-of-day predicate by mode; ranges never wrap over midnight.
class TimeFilter : public IFilter
{
public:
    explicit TimeFilter(qint32 mode = Equal);

    bool test(const QVariant& value) const override;

    void setMode(qint32 mode) { m_mode = mode; }
    void setFrom(const QTime& from) { m_from = from; }
    void setTo(const QTime& to) { m_to = to; }
    qint32 mode() const { return m_mode; }
    QTime from() const { return m_from; }
    QTime to() const { return m_to; }

private:
    qint32 m_mode;
    QTime m_from;
    QTime m_to;
};

} // namespace Filters
} // namespace Common
