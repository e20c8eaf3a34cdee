#pragma once

#include "ui/AbstractFilePathGetter.h"

namespace Common {

class LoadFilePathGetter : public AbstractFilePathGetter
{
public:
    using AbstractFilePathGetter::AbstractFilePathGetter;
    QString getPath() override;
};

} // namespace Common
