#pragma once

#include "ui/IFileWrapper.h"

#include <QFile>

namespace Common {

class AbstractFileWrapper : public IFileWrapper
{
public:
    bool close() override;
    QIODevice* device() override;

protected:
    QFile m_file;
};

} // namespace Common
