#include "analyzer/FirmwareSetup.h"

#include "analyzer/DryerFirmwareImpl.h"
#include "analyzer/HLDryerController.h"
#include "ui/DialogRunner.h"
#include "ui/FirmwareDialog.h"

namespace KD {

FirmwareSetup::FirmwareSetup(Common::IMessageBoxFirmware* boxes, HLDryerController* controller,
                             QObject* parent)
    : QObject(parent), m_boxes(boxes), m_controller(controller)
{ }

void FirmwareSetup::setup()
{
    if (m_controller->isConnected() && !m_controller->isReady())
        return;
    Common::FirmwareDialog dialog(m_boxes, !m_controller->isConnected());
    dialog.setFileDialogContext(QStringLiteral("Firmware"));
    DryerFirmwareImpl implementation(m_controller);
    dialog.prepare(tr("Firmware upload"));
    dialog.setImplementation(&implementation);
    DialogRunner::run(dialog);
}

} // namespace KD
