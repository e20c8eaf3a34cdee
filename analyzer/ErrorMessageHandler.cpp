#include "analyzer/ErrorMessageHandler.h"

#include "analyzer/ErrorToStr.h"
#include "analyzer/HLDryerController.h"
#include "ui/MessageBoxContext.h"

namespace KD {

ErrorMessageHandler::ErrorMessageHandler(MessageBoxContext* boxes, HLDryerController* controller,
                                         QObject* parent)
    : QObject(parent), m_boxes(boxes), m_controller(controller)
{ }

void ErrorMessageHandler::onControllerError()
{
    m_boxes->showWarning(Communication::ErrorToStr().errorReport(m_controller->lastError()));
}

} // namespace KD
