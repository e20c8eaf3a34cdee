#pragma once

#include "drying/IDefaultValuesGetter.h"

namespace Common {
namespace RunContext {

// Default texts by value of the enumeration Enum; a subclass fills them in.
template <typename Enum, typename Converter>
class DefaultValProvider : public IDefaultValuesGetter
{
public:
    QString value(int id) const override { return m_defaults.value(Converter::fromInt(id)); }
    bool hasValue(int id) const override { return m_defaults.contains(Converter::fromInt(id)); }

    QMap<int, QString> defaults() const override
    {
        QMap<int, QString> byId;
        for (auto it = m_defaults.cbegin(); it != m_defaults.cend(); ++it)
            byId.insert(Converter::toInt(it.key()), it.value());
        return byId;
    }

protected:
    void setDefault(Enum value, const QString& text) { m_defaults.insert(value, text); }

private:
    QMap<Enum, QString> m_defaults;
};

} // namespace RunContext
} // namespace Common
