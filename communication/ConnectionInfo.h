#pragma once

#include <QHostAddress>
#include <QMetaType>
#include <QString>

namespace Common {
namespace Communication {

// How to reach a device over a serial port.
struct SerialConnectionPart
{
    QString portName;
    int baudRate = 9600;
    QString description; // human-readable name of the port, not compared
};

// How to reach a device over TCP: we connect to its module (client), or its
// module connects to one of our servers (server).
class NetworkConnectionPart
{
public:
    enum Kind : quint8 { Server = 0, Client = 1 };

    void setClient(const QHostAddress& deviceAddress, const QHostAddress& localAddress, int port);
    void setServer(const QHostAddress& address, int port, quint64 mac);

    quint8 kind() const { return m_kind; }
    bool isClient() const { return m_kind == Client; }
    bool isServer() const { return m_kind == Server; }

    // Client variant.
    QHostAddress deviceAddress() const { return m_deviceAddress; }
    QHostAddress localAddress() const { return m_localAddress; }
    // Server variant.
    QHostAddress address() const { return m_address; }
    quint64 mac() const { return m_mac; }
    // Both variants.
    int port() const { return m_port; }

    bool operator==(const NetworkConnectionPart& other) const;
    bool operator!=(const NetworkConnectionPart& other) const { return !(*this == other); }

private:
    quint8 m_kind = Client;
    QHostAddress m_deviceAddress;
    QHostAddress m_localAddress;
    QHostAddress m_address;
    int m_port = 0;
    quint64 m_mac = 0;
};

// How to reach one device: a serial part, a network part, or neither.
class ConnectionInfo
{
public:
    void setSerialPart(const SerialConnectionPart& part);
    void setNetworkPart(const NetworkConnectionPart& part);

    bool hasSerial() const { return m_serialSet; }
    bool hasNetwork() const { return m_networkSet; }
    bool isEmpty() const { return !m_serialSet && !m_networkSet; }
    const SerialConnectionPart& serialPart() const { return m_serial; }
    const NetworkConnectionPart& networkPart() const { return m_network; }

    QString toDisplayString() const;

    // Two empty records are not equal: an empty record names no device.
    bool operator==(const ConnectionInfo& other) const;
    bool operator!=(const ConnectionInfo& other) const { return !(*this == other); }

private:
    SerialConnectionPart m_serial;
    bool m_serialSet = false;
    NetworkConnectionPart m_network;
    bool m_networkSet = false;
};

} // namespace Communication
} // namespace Common

Q_DECLARE_METATYPE(Common::Communication::ConnectionInfo)
