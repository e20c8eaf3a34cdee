#include "search/ModuleFactory.h"

#include "communication/CTibbo.h"
#include "communication/NESP.h"

namespace Common {
namespace Communication {

QByteArray moduleStatusQuery(quint16 port, const ModuleEndpoints& endpoints)
{
    return port == endpoints.tibbo ? QByteArray("X") : QByteArray("AT+ASTATUS?\r\n");
}

bool isEspModulePort(quint16 port, const ModuleEndpoints& endpoints)
{
    return port == endpoints.esp || port == endpoints.espBroadcast;
}

bool isEspBroadcastPort(quint16 port, const ModuleEndpoints& endpoints)
{
    return port == endpoints.espBroadcast;
}

bool isSameSubnet(const QHostAddress& a, const QHostAddress& b, quint32 netmask)
{
    return (a.toIPv4Address() & netmask) == (b.toIPv4Address() & netmask);
}

IOInterfaceModule* createModule(quint16 port, const QHostAddress& localAddress, quint32 hostNetmask,
                                quint64 mac, const QHostAddress& deviceAddress, bool dhcp,
                                bool addressObtained, QObject* parent,
                                const ModuleEndpoints& endpoints)
{
    CInterfaceModule* module = nullptr;
    if (port == endpoints.tibbo)
        module = new CTibbo(localAddress, hostNetmask, mac, deviceAddress, parent);
    else if (isEspModulePort(port, endpoints))
        module = new NESP(localAddress, hostNetmask, mac, deviceAddress,
                          isEspBroadcastPort(port, endpoints), parent);
    if (!module)
        return nullptr;
    module->setUdpPort(port);
    module->setBroadcastAddress(endpoints.broadcast);
    module->setFlags(dhcp, addressObtained);
    return module;
}

IOInterfaceModule* createModuleFromReply(quint16 port, const QHostAddress& localAddress,
                                         quint32 hostNetmask, const QHostAddress& deviceAddress,
                                         const QByteArray& reply, QObject* parent,
                                         const ModuleEndpoints& endpoints)
{
    ModuleData data;
    if (port == endpoints.tibbo)
        data = CTibbo::parseReply(reply);
    else if (isEspModulePort(port, endpoints))
        data = NESP::parseReply(reply);
    else
        return nullptr;
    return createModule(port, localAddress, hostNetmask, data.mac, deviceAddress, data.dhcp,
                        data.addressObtained, parent, endpoints);
}

} // namespace Communication
} // namespace Common
