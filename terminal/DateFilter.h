#pragma once

#include "terminal/IFilter.h"

#include <QDate>

namespace Common {
namespace Filters {

// Date predicate by mode; an invalid date fails.
class DateFilter : public IFilter
{
public:
    explicit DateFilter(qint32 mode = Equal);

    bool test(const QVariant& value) const override;

    void setMode(qint32 mode) { m_mode = mode; }
    void setFrom(const QDate& from) { m_from = from; }
    void setTo(const QDate& to) { m_to = to; }
    qint32 mode() const { return m_mode; }
    QDate from() const { return m_from; }
    QDate to() const { return m_to; }

private:
    qint32 m_mode;
    QDate m_from;
    QDate m_to;
};

} // namespace Filters
} // namespace Common
