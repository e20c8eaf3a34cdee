#pragma once

#include "ui/AbstractFileWrapper.h"
#include "ui/CheckedSaveFile.h"

namespace Common {

class WriteFileWrapper : public AbstractFileWrapper
{
public:
    // The text goes to a file beside the target, which close() puts in the
    // target's place only when all of it was written: a failed save leaves
    // the old file as it was and no part of the new one.
    bool open(const QString& path) override;
    bool close() override;
    QIODevice* device() override;

private:
    CheckedSaveFile m_saveFile;
};

} // namespace Common
