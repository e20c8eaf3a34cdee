#pragma once

#include <QString>
#include <QVariant>

namespace Common {

// Reads and writes the values of one run context record by value id. Setters
// ignore values they cannot take; getters give an empty text or an invalid
// QVariant for ids without a value.
class IRunContextHandler
{
public:
    virtual ~IRunContextHandler() = default;
    virtual void setVariant(int id, const QVariant& value) = 0;
    virtual void setString(int id, const QString& text) = 0;
    virtual QVariant toVariant(int id) const = 0;
    virtual QString toString(int id) const = 0;
};

} // namespace Common
