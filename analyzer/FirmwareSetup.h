#pragma once

#include "ui/IFirmwareSetup.h"

#include <QObject>

namespace Common {
class IMessageBoxFirmware;
}

namespace KD {

class HLDryerController;

// The Firmware action: online with an idle analyzer connected, offline with
// none; nothing while the analyzer is busy.
class FirmwareSetup : public QObject, public Common::IFirmwareSetup
{
    Q_OBJECT

public:
    FirmwareSetup(Common::IMessageBoxFirmware* boxes, HLDryerController* controller,
                  QObject* parent = nullptr);
    void setup() override;

private:
    Common::IMessageBoxFirmware* m_boxes;
    HLDryerController* m_controller;
};

} // namespace KD
