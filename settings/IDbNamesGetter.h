#pragma once

#include <QStringList>

namespace KD {

class IDbNamesGetter
{
public:
    virtual ~IDbNamesGetter() = default;
    // The stored parameter-set names, read when called.
    virtual QStringList names() const = 0;
};

} // namespace KD
