#pragma once

class QIODevice;
class QString;

namespace Common {

class IFileWrapper
{
public:
    virtual ~IFileWrapper() = default;
    virtual bool open(const QString& path) = 0;
    // False when pending data could not be written.
    virtual bool close() = 0;
    virtual QIODevice* device() = 0;
};

} // namespace Common
