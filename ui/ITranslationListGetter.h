#pragma once

#include <QStringList>

// Item texts of a list (combo box, property table choices) in the current language.
class ITranslationListGetter
{
public:
    virtual ~ITranslationListGetter() = default;
    virtual QStringList getList() const = 0;
};
