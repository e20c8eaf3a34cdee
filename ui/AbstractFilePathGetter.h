#pragma once

#include "ui/IFilePathGetter.h"

namespace Common {

class AbstractFilePathGetter : public IFilePathGetter
{
public:
    AbstractFilePathGetter(const QString& context, int fileType);

protected:
    QString m_context;
    int m_fileType;
};

} // namespace Common
