#pragma once

#include "ui/IMessageBoxesFileOperation.h"

struct MessageBoxContext;

namespace Common {

class MessageBoxesFileOperation : public IMessageBoxesFileOperation
{
public:
    explicit MessageBoxesFileOperation(MessageBoxContext* context);
    void showFileOpenError() override;

private:
    MessageBoxContext* m_context;
};

} // namespace Common
