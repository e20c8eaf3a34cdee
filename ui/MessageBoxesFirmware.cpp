#include "ui/MessageBoxesFirmware.h"

#include "ui/HtmlFragments.h"
#include "ui/MessageBoxContext.h"
#include "ui/MessageBoxTrProvider.h"

namespace Common {

MessageBoxesFirmware::MessageBoxesFirmware(MessageBoxContext* context) : m_context(context) { }

void MessageBoxesFirmware::showUpdateSucceeded()
{
    m_context->showInformation(MessageBoxTrProvider().text(MessageBoxTrProvider::FirmwareUpdated));
}

void MessageBoxesFirmware::showUpdateFailed()
{
    m_context->showCritical(
        MessageBoxTrProvider().text(MessageBoxTrProvider::FirmwareUpdateFailed));
}

bool MessageBoxesFirmware::askUploadConfirmation(const QString& fileName)
{
    // The name is escaped: '&' or '<' in a path must show as typed in rich text.
    const QString text = MessageBoxTrProvider().text(MessageBoxTrProvider::UploadFirmwareQuestion)
                         + htmlBreaks(2) + htmlTt(fileName.toHtmlEscaped());
    return m_context->askWarning(text, Qt::RichText);
}

void MessageBoxesFirmware::showInvalidFile()
{
    m_context->showWarning(MessageBoxTrProvider().text(MessageBoxTrProvider::InvalidFile));
}

} // namespace Common
