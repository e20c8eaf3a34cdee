#pragma once

#include "communication/CInterfaceModule.h"
#include "communication/ILineReceiver.h"
#include "communication/LineSplitter.h"

namespace Common {
namespace Communication {

// Configures an ESP network module with "AT+" text commands in UDP
// datagrams; the replies are CR LF terminated lines.
class NESP : public CInterfaceModule, public Common::ILineReceiver
{
    Q_OBJECT

public:
    static constexpr int Port = 65534;
    static constexpr int BroadcastPort = 65533;

    NESP(const QHostAddress& localAddress, quint32 hostNetmask, quint64 mac,
         const QHostAddress& deviceIp, bool broadcastMode, QObject* parent = nullptr);

    bool rebootNeeded() const override { return false; }
    CInterfaceModule* clone(QObject*) const override { return nullptr; }
    void onLine(QString line) override;

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
    void setProtocol(int) override { }
    void setBaudrate(int) override { }
    void reboot() override { }
    void setTcpSettings(bool isServer, int port, QHostAddress remoteIp);
    Common::Communication::ModuleData parseModuleData(QByteArray reply)
    {
        return parseReply(reply);
    }
    void onReadyRead();

private:
    void send(const QByteArray& datagram, int command, bool forceBroadcast = false);
    void sendIpConfig(int command, bool dhcp, const QHostAddress& ip, const QHostAddress& gateway,
                      const QHostAddress& netmask);
    void sendTcpConfig(int command, int routingMode, int port, const QHostAddress& remoteIp);
    bool readConfigurationLine(const QString& line);
    void applyPendingValue();

    bool m_broadcastMode;
    QString m_received;
    bool m_awaitingReply = false;
    LineSplitter m_splitter{this};
};

} // namespace Communication
} // namespace Common
