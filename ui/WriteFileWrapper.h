#pragma once

#include "ui/AbstractFileWrapper.h"

namespace Common {

class WriteFileWrapper : public AbstractFileWrapper
{
public:
    // Opens the file empty: a shorter text leaves no old bytes behind.
    bool open(const QString& path) override;
};

} // namespace Common
