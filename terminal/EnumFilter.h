#pragma once

#include "terminal/IFilter.h"

#include <QString>

namespace Common {
namespace Filters {

// Exact text match (or mismatch) against one enumerated text, e.g. "IN".
class EnumFilter : public IFilter
{
public:
    bool test(const QVariant& value) const override;

    void setText(const QString& text) { m_text = text; }
    void setEquals(bool equals) { m_equals = equals; }
    QString text() const { return m_text; }
    bool equals() const { return m_equals; }

private:
    QString m_text;
    bool m_equals = true;
};

} // namespace Filters
} // namespace Common
