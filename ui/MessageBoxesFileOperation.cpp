#include "ui/MessageBoxesFileOperation.h"

#include "ui/MessageBoxContext.h"
#include "ui/MessageBoxTrProvider.h"

namespace Common {

MessageBoxesFileOperation::MessageBoxesFileOperation(MessageBoxContext* context)
    : m_context(context)
{ }

void MessageBoxesFileOperation::showFileOpenError()
{
    m_context->showWarning(MessageBoxTrProvider().text(MessageBoxTrProvider::FileOpenError));
}

} // namespace Common
