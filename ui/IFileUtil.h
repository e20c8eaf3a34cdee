#pragma once

class QIODevice;

namespace Common {

// A file chosen by the user and opened, ready to read or write.
class IFileUtil
{
public:
    virtual ~IFileUtil() = default;
    // False when the user cancelled (no message) or the file did not open
    // (the user was told).
    virtual bool prepare() = 0;
    virtual QIODevice* device() = 0;
    // False when pending data could not be written.
    virtual bool close() = 0;
};

} // namespace Common
