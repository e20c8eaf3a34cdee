#include "analyzer/ErrorMessageHandler.h"

#include "analyzer/ErrorToStr.h"
#include "analyzer/HLDryerController.h"
#include "ui/MessageBoxContext.h"

namespace KD {

ErrorMessageHandler::ErrorMessageHandler(MessageBoxContext* boxes, HLDryerController* controller,
                                         QObject* parent)
    : QObject(parent), boxes(boxes), controller(controller)
{ }

void ErrorMessageHandler::onControllerError()
{
    boxes->showWarning(Communication::ErrorToStr().errorReport(controller->lastError()));
}

} // namespace KD
