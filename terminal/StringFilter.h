#pragma once

#include "terminal/IFilter.h"

#include <QString>

namespace Common {
namespace Filters {

// Case-sensitive text predicate: starts with, ends with, contains or equals.
class StringFilter : public IFilter
{
public:
    explicit StringFilter(qint32 mode = Equal);

    bool test(const QVariant& value) const override;

    void setMode(qint32 mode) { m_mode = mode; }
    void setPattern(const QString& pattern) { m_pattern = pattern; }
    qint32 mode() const { return m_mode; }
    QString pattern() const { return m_pattern; }

private:
    qint32 m_mode;
    QString m_pattern;
};

} // namespace Filters
} // namespace Common
