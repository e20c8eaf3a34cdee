#include "search/ModuleSearch.h"

#include "communication/ILogger.h"
#include "communication/IOInterfaceModule.h"

#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QUdpSocket>

namespace Common {
namespace Communication {

namespace {

const char* const netmaskProperty = "netmask";

QDateTime stamp(const VornLogRecord& record) { return QDateTime(record.date, record.time); }

} // namespace

QList<NetworkInterfaceInfo> systemNetworkInterfaces()
{
    QList<NetworkInterfaceInfo> all;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        NetworkInterfaceInfo info;
        info.name = interface.humanReadableName();
        info.loopback = interface.flags().testFlag(QNetworkInterface::IsLoopBack);
        info.up = interface.flags().testFlag(QNetworkInterface::IsUp);
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol)
                info.addresses.append({entry.ip(), entry.netmask().toIPv4Address()});
        }
        all.append(info);
    }
    return all;
}

ModuleSearch::ModuleSearch(IModuleReceiver* receiver, QObject* parent)
    : QObject(parent), m_offSubnetTimer(this), m_queue(new ModuleQueue(receiver, this))
{
    m_offSubnetTimer.setSingleShot(true);
    m_offSubnetTimer.setInterval(5000);
    connect(&m_offSubnetTimer, &QTimer::timeout, this, &ModuleSearch::onTimerTimeout);
}

void ModuleSearch::broadcastEcho()
{
    m_offSubnetTimer.start();
    for (const NetworkInterfaceInfo& interface : m_interfaces()) {
        const QString prefix = interface.name + ": ";
        if (interface.loopback) {
            emit newLogLine(prefix + " This is loopback interface.");
            continue;
        }
        if (!interface.up) {
            emit newLogLine(prefix + " This interface is 'down'.");
            continue;
        }
        for (const NetworkInterfaceInfo::Address& address : interface.addresses) {
            auto* socket = new QUdpSocket(this);
            socket->setProperty(netmaskProperty, address.netmask);
            m_sockets.append(socket);
            socket->bind(address.ip, 0);
            connect(socket, &QUdpSocket::readyRead, this, &ModuleSearch::onSocketReadyRead);
            emit newLogLine(prefix + address.ip.toString() + "  "
                            + tr("Now broadcasting 'Echo command'"));
            for (const quint16 port :
                 {m_endpoints.tibbo, m_endpoints.esp, m_endpoints.espBroadcast}) {
                const QByteArray query = moduleStatusQuery(port, m_endpoints);
                socket->writeDatagram(query, m_endpoints.broadcast, port);
                if (m_logger)
                    m_logger->sent(QStringLiteral("BROADCAST, %1").arg(port),
                                   QDateTime::currentDateTime(), QString::fromLatin1(query));
            }
        }
    }
}

void ModuleSearch::clear()
{
    for (QUdpSocket* socket : qAsConst(m_sockets))
        socket->deleteLater();
    m_sockets.clear();
    m_replies.clear();
    m_queue->clear();
}

void ModuleSearch::onSocketReadyRead()
{
    auto* socket = qobject_cast<QUdpSocket*>(sender());
    if (!socket)
        return;
    // Every pending datagram is read now: a reply complete in the middle of
    // them is handled at once and the rest are not left for a notification
    // that may never come.
    while (socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = socket->receiveDatagram();
        const QHostAddress sender = datagram.senderAddress();
        const quint16 port = quint16(datagram.senderPort());
        const QByteArray data = datagram.data();
        if (m_logger) {
            const int end = data.indexOf('\0');
            m_logger->received(sender.toString() + "," + QString::number(port),
                               QDateTime::currentDateTime(),
                               QString::fromLatin1(end < 0 ? data : data.left(end)));
        }
        const QByteArray buffer = m_replies.value(sender) + data;
        const bool complete = port == m_endpoints.tibbo            ? buffer.count('/') > 4
                              : isEspModulePort(port, m_endpoints) ? buffer.contains(',')
                                                                   : false;
        if (!complete) {
            m_replies.insert(sender, buffer);
            continue;
        }
        m_replies.remove(sender);
        handleReply(buffer, socket->localAddress(), socket->property(netmaskProperty).toUInt(),
                    sender, port);
    }
}

void ModuleSearch::handleReply(const QByteArray& reply, const QHostAddress& local, quint32 netmask,
                               const QHostAddress& sender, quint16 port)
{
    IOInterfaceModule* module =
        createModuleFromReply(port, local, netmask, sender, reply, this, m_endpoints);
    if (!module)
        return;
    connect(module, &IOInterfaceModule::newOutLog, this, &ModuleSearch::onOutLog);
    connect(module, &IOInterfaceModule::newInLog, this, &ModuleSearch::onInLog);
    if (isSameSubnet(local, sender, netmask)) {
        m_queue->enqueue(module);
    } else {
        emit newLogLine(sender.toString() + " not in PC subnet - deferring query...");
        m_deferred.append(module);
    }
}

void ModuleSearch::onTimerTimeout()
{
    if (m_deferred.isEmpty())
        return;
    emit newLogLine(QStringLiteral("Querying devices detected outside of PC subnet"));
    while (!m_deferred.isEmpty())
        m_queue->enqueue(m_deferred.takeFirst());
}

void ModuleSearch::onInLog(VornLogRecord record)
{
    if (m_logger)
        m_logger->received(record.interface, stamp(record), record.message);
}

void ModuleSearch::onOutLog(VornLogRecord record)
{
    if (m_logger)
        m_logger->sent(record.interface, stamp(record), record.message);
}

} // namespace Communication
} // namespace Common
