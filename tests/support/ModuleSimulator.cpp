#include "tests/support/ModuleSimulator.h"

#include "communication/MacConversions.h"

#include <QNetworkDatagram>
#include <QTimer>

ModuleSimulator::ModuleSimulator(Kind kind, const QHostAddress& address, QObject* parent)
    : QObject(parent), m_kind(kind)
{
    m_socket.bind(address, 0);
    connect(&m_socket, &QUdpSocket::readyRead, this, &ModuleSimulator::onReadyRead);
}

void ModuleSimulator::onReadyRead()
{
    while (m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket.receiveDatagram();
        const QByteArray request = datagram.data();
        received << QString::fromLatin1(request);
        emit requestReceived(QString::fromLatin1(request));
        if (silent)
            continue;
        const QByteArray answer = m_kind == Tibbo ? tibboReply(request) : espReply(request);
        if (answer.isEmpty())
            continue;
        const QHostAddress to = datagram.senderAddress();
        const quint16 port = quint16(datagram.senderPort());
        if (replyDelayMs > 0)
            QTimer::singleShot(replyDelayMs, this, [=] { reply(answer, to, port); });
        else
            reply(answer, to, port);
    }
}

void ModuleSimulator::reply(const QByteArray& data, const QHostAddress& to, quint16 port)
{
    if (splitReplies && data.size() > 1) {
        const int half = data.size() / 2;
        m_socket.writeDatagram(data.left(half), to, port);
        m_socket.writeDatagram(data.mid(half), to, port);
    } else {
        m_socket.writeDatagram(data, to, port);
    }
}

QByteArray ModuleSimulator::tibboReply(const QByteArray& request)
{
    const QByteArray id = dottedMacFromU64(mac);
    const auto text = [](const QHostAddress& a) { return a.toString().toLatin1(); };
    const QByteArray value = request.mid(3);
    if (request == "X") {
        const char flag = !dhcp ? 'M' : addressObtained ? 'I' : '*';
        QByteArray status = "A" + id + "/" + text(ip) + "/***" + flag + "/1/0/0";
        if (wrongFieldCount)
            status = "A" + id + "/" + text(ip) + "/***" + flag;
        if (extraStatusField)
            status += "/0";
        return status;
    }
    if (request.startsWith('W'))
        return request.mid(1) == id ? QByteArray("A") : QByteArray();
    if (request == "L")
        return "A";
    if (request == "GDH")
        return dhcp ? "A1" : "A0";
    if (request == "GIP")
        return "A" + text(ip);
    if (request == "GGI")
        return "A" + text(gateway);
    if (request == "GNM")
        return "A" + text(netmask);
    if (request == "GRM")
        return "A" + QByteArray::number(routingMode == 2 ? 2 : 0);
    if (request == "GDI")
        return "A" + text(remoteIp);
    if (request == "GPN")
        return "A" + QByteArray::number(port_);
    if (request == "GDP")
        return "A" + QByteArray::number(remotePort);
    if (request == "GTP")
        return transportProtocol == 2 ? "A0" : "A1";
    if (request == "GBR")
        return "A" + QByteArray::number(baudCode);
    if (request == "E") {
        ++reboots;
        return acknowledgeReboot ? QByteArray("A") : QByteArray();
    }
    if (request.startsWith("SDH"))
        dhcp = value == "1";
    else if (request.startsWith("SIP"))
        ip = QHostAddress(QString::fromLatin1(value));
    else if (request.startsWith("SGI"))
        gateway = QHostAddress(QString::fromLatin1(value));
    else if (request.startsWith("SNM"))
        netmask = QHostAddress(QString::fromLatin1(value));
    else if (request.startsWith("SRM"))
        routingMode = value == "2" ? 2 : 1;
    else if (request.startsWith("SDI"))
        remoteIp = QHostAddress(QString::fromLatin1(value));
    else if (request.startsWith("SPN"))
        port_ = value.toInt();
    else if (request.startsWith("SDP"))
        remotePort = value.toInt();
    else if (request.startsWith("STP"))
        transportProtocol = value == "0" ? 2 : 1;
    else if (request.startsWith("SBR"))
        baudCode = value.toInt();
    else
        return "F";
    return "A";
}

QByteArray ModuleSimulator::espReply(const QByteArray& request)
{
    const QByteArray id = macToText(mac);
    const QByteArray line = request.trimmed();
    if (line == "AT+ASTATUS?") {
        const char flag = !dhcp ? '1' : addressObtained ? '3' : '2';
        return wrongFieldCount ? id + "\r\n" : id + "," + flag + "\r\n";
    }
    if (line.startsWith("AT+ASELECT=")) {
        const QByteArray wanted = line.mid(11);
        return wanted.compare(id, Qt::CaseInsensitive) == 0 ? QByteArray("OK\r\n") : QByteArray();
    }
    if (line == "AT+ACONFIG?") {
        QList<QByteArray> fields{"ESP",
                                 "1",
                                 "0",
                                 dhcp ? "2" : "1",
                                 ip.toString().toLatin1(),
                                 gateway.toString().toLatin1(),
                                 netmask.toString().toLatin1(),
                                 routingMode == 2 ? "1" : "2",
                                 remoteIp.toString().toLatin1(),
                                 QByteArray::number(port_)};
        if (wrongFieldCount)
            fields.removeLast();
        return fields.join(',') + "\r\n";
    }
    if (line.startsWith("AT+ASTAIPCONFIG=")) {
        const QList<QByteArray> v = line.mid(16).split(',');
        if (v.size() != 4)
            return "ERROR\r\n";
        dhcp = v.at(0) == "2";
        ip = QHostAddress(QString::fromLatin1(v.at(1)));
        gateway = QHostAddress(QString::fromLatin1(v.at(2)));
        netmask = QHostAddress(QString::fromLatin1(v.at(3)));
        return "OK\r\n";
    }
    if (line.startsWith("AT+ATCPCONFIG=")) {
        const QList<QByteArray> v = line.mid(14).split(',');
        if (v.size() != 4)
            return "ERROR\r\n";
        routingMode = v.at(0) == "2" ? 1 : 2;
        port_ = remotePort = v.at(1).toInt();
        remoteIp = QHostAddress(QString::fromLatin1(v.at(2)));
        return "OK\r\n";
    }
    if (line == "AT+ATCPSTART")
        return "OK\r\n";
    return "ERROR\r\n";
}
