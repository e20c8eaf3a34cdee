#pragma once

#include "ui/AbstractFileWrapper.h"

namespace Common {

class ReadFileWrapper : public AbstractFileWrapper
{
public:
    bool open(const QString& path) override;
};

} // namespace Common
