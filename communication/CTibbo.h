#pragma once

#include "communication/CInterfaceModule.h"

namespace Common {
namespace Communication {

// Configures a Tibbo network module with short ASCII commands, one per UDP
// datagram. Each reply starts with a status byte, "A" when the module
// accepted the command. Reading the configuration is a chain of datagrams
// driven by the replies that ends with a single signal.
class CTibbo : public CInterfaceModule
{
    Q_OBJECT

public:
    static constexpr int Port = 65535;

    CTibbo(const QHostAddress& localAddress, quint32 hostNetmask, quint64 mac,
           const QHostAddress& deviceIp, QObject* parent = nullptr);

    bool rebootNeeded() const override { return true; }
    CInterfaceModule* clone(QObject* parent) const override;

    // The module's serial rates by code; -1 / 0 outside the table.
    static int baudrateCode(int baudrate);
    static int baudrateFromCode(int code);

    // The MAC and DHCP flags of a status or discovery reply.
    static ModuleData parseReply(const QByteArray& reply);

public slots:
    void readStatus() override;
    void selectModule() override;
    void readInfo(int cnt) override;
    void setDhcp(bool dhcp) override;
    void setIP(QHostAddress ip) override;
    void setGateway(QHostAddress gateway_ip) override;
    void setNetmask(QHostAddress netmask) override;
    void setIPLayer(bool dhcp, QHostAddress ip, QHostAddress gateway_ip,
                    QHostAddress netmask) override;
    void setRoutingMode(int routing_mode) override;
    void setRemoteIP(QHostAddress ip) override;
    void setPort(int port) override;
    void setRemotePort(int remote_port) override;
    void startClientServer() override;
    void setProtocol(int transport_protocol) override;
    void setBaudrate(int baudrate) override;
    void reboot() override;
    Common::Communication::ModuleData parseModuleData(QByteArray reply)
    {
        return parseReply(reply);
    }
    void onReadyRead();

private:
    void set(const QByteArray& datagram, int command, const QVariant& pending);
    void next(const QByteArray& datagram);
    void waitForMore();
    void readConfigurationStep();
    void ipLayerStep();
    void applyPendingValue();

    QHostAddress m_localAddress;
    QHostAddress m_layerIp;
    QHostAddress m_layerGateway;
    QHostAddress m_layerNetmask;
};

} // namespace Communication
} // namespace Common
