#pragma once

#include <QString>

// A source of texts by integer id in the current language. Implementations are
// QObjects whose tr() context carries the texts; unknown ids give "".
class ITranslationProvider
{
public:
    virtual ~ITranslationProvider() = default;
    virtual QString text(int id) const = 0;
};
