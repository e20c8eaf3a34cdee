#include "drying/CSVRWErrorHandler.h"

namespace Common {
namespace CSV {

CSVRWErrorHandler::CSVRWErrorHandler(const MessageBoxContext& boxes) : m_boxes(boxes) { }

void CSVRWErrorHandler::onLoaderError(const LoadErrorInfo& info)
{
    if (info.code == 3) {
        // The line comes from the file: shown as text, never as markup. The
        // reason is built as rich text already.
        m_boxes.showWarning(
            tr("There was na error while parsing data file (line %1):<br><tt>%2</tt><br>%3")
                .arg(info.lineNumber)
                .arg(info.lineText.toHtmlEscaped(), info.reason),
            Qt::RichText);
        return;
    }
    showCommonError(info.code);
}

void CSVRWErrorHandler::onSaverError(int status)
{
    if (status == 3) {
        m_boxes.showWarning(tr("There was an error while writing to file!"));
        return;
    }
    showCommonError(status);
}

void CSVRWErrorHandler::showCommonError(int status)
{
    if (status == 1)
        m_boxes.showWarning(tr("Internal error occured!"));
    else if (status == 2)
        m_boxes.showWarning(tr("Could not open file!"));
}

} // namespace CSV
} // namespace Common
