#pragma once

#include <QByteArray>
#include <QHostAddress>

class QObject;

namespace Common {
namespace Communication {

class IOInterfaceModule;

// Where the network modules are asked: the UDP ports of a Tibbo module, an
// ESP module and an ESP module reached by broadcast, and the broadcast
// address. Tests move them to loopback ports of their own.
struct ModuleEndpoints
{
    quint16 tibbo = 65535;
    quint16 esp = 65534;
    quint16 espBroadcast = 65533;
    QHostAddress broadcast{QHostAddress::Broadcast};
};

// The discovery's status query for a module port: "X" for a Tibbo module,
// "AT+ASTATUS?\r\n" for the others.
QByteArray moduleStatusQuery(quint16 port, const ModuleEndpoints& endpoints = {});
bool isEspModulePort(quint16 port, const ModuleEndpoints& endpoints = {});
bool isEspBroadcastPort(quint16 port, const ModuleEndpoints& endpoints = {});
bool isSameSubnet(const QHostAddress& a, const QHostAddress& b, quint32 netmask);

// A module object of the kind that answers on the port, bound to the local
// address and talking to the device address on that port; none for a port
// that is no module's. The module is a Qt child of the parent.
IOInterfaceModule* createModule(quint16 port, const QHostAddress& localAddress, quint32 hostNetmask,
                                quint64 mac, const QHostAddress& deviceAddress, bool dhcp,
                                bool addressObtained, QObject* parent,
                                const ModuleEndpoints& endpoints = {});
// The same from a discovery reply, whose MAC and DHCP flags it parses.
IOInterfaceModule* createModuleFromReply(quint16 port, const QHostAddress& localAddress,
                                         quint32 hostNetmask, const QHostAddress& deviceAddress,
                                         const QByteArray& reply, QObject* parent,
                                         const ModuleEndpoints& endpoints = {});

} // namespace Communication
} // namespace Common
