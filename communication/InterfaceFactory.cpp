#include "communication/InterfaceFactory.h"

#include "communication/CLAN.h"
#include "communication/CLANServerImproved.h"
#include "communication/CRS232.h"
#include "communication/ConnectionInfo.h"

CInterface* InterfaceFactory::create(const Common::Communication::ConnectionInfo& info) const
{
    if (info.hasSerial()) {
        const auto& serial = info.serialPart();
        return new CRS232(serial.portName, serial.baudRate, serial.description);
    }
    if (!info.hasNetwork())
        return nullptr;
    const auto& network = info.networkPart();
    if (network.isClient()) {
        auto* lan = new CLAN(network.deviceAddress(), network.port());
        lan->bind(network.localAddress());
        return lan;
    }
    if (!m_manager)
        return nullptr;
    auto* server = new CLANServerImproved(network.address(), network.port(), network.mac());
    server->setServersManager(m_manager);
    return server;
}
