#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include "drying/IDataHandler.h"

namespace Common {
namespace DataHandlers {

// Parses the text with T::fromString and a fixed format. A text that does not
// parse gives an invalid value: the field then says "not set".
template <typename T>
class StringFormatHandler : public IDataHandler<QString>
{
public:
    StringFormatHandler(T* field, const QString& format) : m_field(field), m_format(format) { }

    void set(const QString& value) override
    {
        if (m_field)
            *m_field = T::fromString(value, m_format);
    }

    QString format() const { return m_format; }

private:
    T* m_field;
    QString m_format;
};

using StringDateHandler = StringFormatHandler<QDate>;
using StringTimeHandler = StringFormatHandler<QTime>;
using StringDateTimeHandler = StringFormatHandler<QDateTime>;

} // namespace DataHandlers
} // namespace Common
