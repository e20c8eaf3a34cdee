#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QStringList>
#include <QUdpSocket>

// A Tibbo or ESP network module's configuration side on loopback: answers
// the module's UDP requests from its own settings and applies what is set.
// Faults on demand: silence, replies split in two datagrams, late replies,
// status and configuration replies with a wrong field count, a reboot
// acknowledged with "A".
class ModuleSimulator : public QObject
{
    Q_OBJECT

public:
    enum Kind { Tibbo, Esp };

    // Binds to the address on a free port; 0.0.0.0 also hears broadcasts to
    // 127.255.255.255.
    explicit ModuleSimulator(Kind kind, const QHostAddress& address = QHostAddress::LocalHost,
                             QObject* parent = nullptr);

    quint16 port() const { return m_socket.localPort(); }
    Kind kind() const { return m_kind; }

    quint64 mac = 0x001a2b3c4d5eULL;
    bool dhcp = false;
    bool addressObtained = false;
    QHostAddress ip{QStringLiteral("127.0.0.1")};
    QHostAddress gateway{QStringLiteral("127.0.0.254")};
    QHostAddress netmask{QStringLiteral("255.0.0.0")};
    int routingMode = 1; // 1 server, 2 client
    QHostAddress remoteIp{QStringLiteral("127.0.0.1")};
    int port_ = 1001;
    int remotePort = 1001;
    int transportProtocol = 1; // 1 TCP, 2 UDP
    int baudCode = 7; // Tibbo code; 7 is 115200

    bool silent = false;
    bool splitReplies = false;
    int replyDelayMs = 0;
    bool wrongFieldCount = false;
    bool extraStatusField = false; // a Tibbo status with a sixth "/"
    bool acknowledgeReboot = false;

    QStringList received; // every request, as text
    int reboots = 0;

signals:
    void requestReceived(const QString& request);

private:
    void onReadyRead();
    QByteArray tibboReply(const QByteArray& request);
    QByteArray espReply(const QByteArray& request);
    void reply(const QByteArray& data, const QHostAddress& to, quint16 port);

    Kind m_kind;
    QUdpSocket m_socket;
};
