#pragma once

namespace Common {

class IMessageBoxesFileOperation
{
public:
    virtual ~IMessageBoxesFileOperation() = default;
    virtual void showFileOpenError() = 0;
};

} // namespace Common
