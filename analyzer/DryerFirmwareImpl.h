#pragma once

#include "communication/ConnectionInfo.h"
#include "ui/FirmwareProgressBroker.h"
#include "ui/IFirmwareImplementation.h"

namespace KD {
class HLDryerController;
}

// Uploads an S19 file to the analyzer through the drying controller: over the
// open connection when no port record is given, else offline over that port.
class DryerFirmwareImpl : public IFirmwareImplementation
{
public:
    explicit DryerFirmwareImpl(KD::HLDryerController* controller);

    QString fileFilter() override;
    bool upload(const QString& path) override;
    void setProgressReceiver(IFirmwareProgressReceiver* receiver) override;
    bool closeAfterFinish() override { return true; }
    void setConnectionInfo(const Common::Communication::ConnectionInfo& info) override;
    void setUseBootloader(bool use) override { m_useBootloader = use; }
    void setMessageDisplay(Common::IFirmwareMessageDisplay*) override { }

private:
    KD::HLDryerController* m_controller;
    Common::Communication::ConnectionInfo m_connection;
    FirmwareProgressBroker m_broker;
    bool m_useBootloader = false;
};
