#include "analyzer/DryingMessagesHandler.h"

#include "ui/HtmlFragments.h"
#include "ui/MessageBoxContext.h"

namespace KD {

DryingMessagesHandler::DryingMessagesHandler(MessageBoxContext* boxes, QObject* parent)
    : QObject(parent), m_boxes(boxes)
{ }

void DryingMessagesHandler::onDryingStart(bool isExternal, bool isIgnored, int)
{
    if (isExternal && isIgnored)
        m_boxes->showInformation(
            tr("Device started drying process externally (not from this program).<br>"
               "Data from previous drying (if present) will be preserved."));
}

void DryingMessagesHandler::onDestructiveStart(bool started)
{
    const QString outcome = started
                                ? tr("Drying process started with settings present on device. "
                                     "Settings present in program may differ from device settings.")
                                : tr("Drying process was not started - mass is too small.");
    m_boxes->showWarning(
        tr("Detected a request to start drying while another operation was in progress!")
        + htmlBreaks(2) + tr("Currently run operation was aborted!") + htmlBreaks(2) + outcome);
}

void DryingMessagesHandler::onDryingEnd() { m_boxes->showInformation(tr("Drying process ended!")); }

} // namespace KD
