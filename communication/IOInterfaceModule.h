#pragma once

#include "communication/VornLogRecord.h"

#include <QHostAddress>
#include <QObject>

namespace Common {
namespace Communication {

// A network module (Tibbo or ESP) configured over UDP. Each command that sends
// a request ends, later, with exactly one of infoReady() (readInfo only),
// commandOk(), commandFailed() or commandTimeout(); every datagram sent or
// received is reported as a log record.
class IOInterfaceModule : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual bool rebootNeeded() const = 0;
    virtual bool isDeviceInHostSubnet() const = 0;
    virtual bool isHostInDeviceSubnet() const = 0;
    virtual QHostAddress ipAddress() const = 0;
    virtual QHostAddress gateway() const = 0;
    virtual QHostAddress netmask() const = 0;
    virtual int port() const = 0;
    virtual int routingMode() const = 0;
    virtual int transportProtocol() const = 0;
    virtual int baudrate() const = 0;
    virtual QByteArray moduleId() const = 0;
    virtual quint64 mac() const = 0;
    virtual QHostAddress remoteIp() const = 0;
    virtual int remotePort() const = 0;
    virtual bool isDhcp() const = 0;
    virtual bool isAddressObtained() const = 0;
    virtual QHostAddress hostIp() const = 0;
    virtual QHostAddress deviceIp() const = 0;
    virtual quint32 hostNetmask() const = 0;
    virtual int udpPort() const = 0;
    virtual void setDeviceIp(const QHostAddress& ip) = 0;

public slots:
    virtual void readStatus() = 0;
    virtual void selectModule() = 0;
    virtual void readInfo(int cnt) = 0;
    virtual void setDhcp(bool dhcp) = 0;
    virtual void setIP(QHostAddress ip) = 0;
    virtual void setGateway(QHostAddress gateway_ip) = 0;
    virtual void setNetmask(QHostAddress netmask) = 0;
    virtual void setIPLayer(bool dhcp, QHostAddress ip, QHostAddress gateway_ip,
                            QHostAddress netmask) = 0;
    virtual void setRoutingMode(int routing_mode) = 0;
    virtual void setRemoteIP(QHostAddress ip) = 0;
    virtual void setPort(int port) = 0;
    virtual void setRemotePort(int remote_port) = 0;
    virtual void startClientServer() = 0;
    virtual void setProtocol(int transport_protocol) = 0;
    virtual void setBaudrate(int baudrate) = 0;
    virtual void reboot() = 0;

signals:
    void infoReady();
    void commandTimeout();
    void commandFailed();
    void commandOk();
    void newOutLog(VornLogRecord r);
    void newInLog(VornLogRecord r);
};

} // namespace Communication
} // namespace Common
