#include "communication/ServersManager.h"

#include "communication/IMacIpMapper.h"
#include "communication/MacConversions.h"
#include "communication/SystemArpTable.h"

#include <QMutexLocker>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace Common {
namespace Communication {

ServersManager::ServersManager(QObject* parent)
    : QObject(parent), m_arpTable(new SystemArpTable) { }

ServersManager::~ServersManager()
{
    for (const WaitingSocket& waiting : qAsConst(m_waiting))
        delete waiting.socket;
    qDeleteAll(m_servers);
}

bool ServersManager::listen(int port, quint64 mac)
{
    QMutexLocker lock(&m_mutex);
    m_waiterThreads.insert(mac, QThread::currentThread());
    if (m_expected.contains(mac))
        return true;
    m_expected.insert(mac);
    for (QTcpServer* server : qAsConst(m_servers)) {
        if (server->serverPort() == port)
            return true;
    }
    auto* server = new QTcpServer;
    m_servers.append(server);
    connect(server, &QTcpServer::newConnection, this, &ServersManager::onNewConnection);
    if (server->listen(QHostAddress::Any, quint16(port))) {
        // Accept on the manager's thread, not on the caller's.
        server->moveToThread(thread());
        return true;
    }
    // Keep nothing of a failed attempt: the MAC is not really awaited.
    m_servers.removeLast();
    delete server;
    m_expected.remove(mac);
    return false;
}

void ServersManager::stopListening(quint64 mac)
{
    QMutexLocker lock(&m_mutex);
    m_expected.remove(mac);
    m_waiterThreads.remove(mac);
    if (m_expected.isEmpty())
        releaseServers();
}

bool ServersManager::takeSocket(quint64 mac, QTcpSocket** out)
{
    QMutexLocker lock(&m_mutex);
    for (int i = 0; i < m_waiting.size(); ++i) {
        if (m_waiting.at(i).mac == mac) {
            *out = m_waiting.takeAt(i).socket;
            return true;
        }
    }
    return false;
}

void ServersManager::reset()
{
    QMutexLocker lock(&m_mutex);
    for (const WaitingSocket& waiting : qAsConst(m_waiting))
        waiting.socket->deleteLater();
    m_waiting.clear();
    releaseServers();
}

void ServersManager::setMacIpMapper(IMacIpMapper* mapper)
{
    QMutexLocker lock(&m_mutex);
    m_mapper = mapper;
}

void ServersManager::setArpTable(IArpTable* table)
{
    QMutexLocker lock(&m_mutex);
    m_arpTable.reset(table);
}

void ServersManager::onNewConnection()
{
    QMutexLocker lock(&m_mutex);
    auto* server = qobject_cast<QTcpServer*>(sender());
    if (!server || !m_servers.contains(server))
        return;
    while (QTcpSocket* socket = server->nextPendingConnection()) {
        socket->setParent(nullptr);
        const quint64 mac = macOf(*socket);
        if (mac != 0 && m_expected.remove(mac)) {
            QThread* waiter = m_waiterThreads.take(mac);
            if (waiter && waiter != socket->thread())
                socket->moveToThread(waiter);
            m_waiting.append({mac, socket});
            emit newDeviceConnected(mac);
        } else {
            socket->deleteLater();
        }
        if (m_expected.isEmpty()) {
            releaseServers();
            break;
        }
    }
}

void ServersManager::releaseServers()
{
    for (QTcpServer* server : qAsConst(m_servers)) {
        // Only its own thread may close it; deleting it closes it as well.
        if (server->thread() == QThread::currentThread())
            server->close();
        server->deleteLater();
    }
    m_servers.clear();
}

quint64 ServersManager::macOf(const QTcpSocket& socket)
{
    bool isIpv4 = false;
    const quint32 ipv4 = socket.peerAddress().toIPv4Address(&isIpv4);
    if (!isIpv4)
        return 0;
    if (m_mapper) {
        bool found = false;
        const quint64 mac = m_mapper->lookup(ipv4, &found);
        if (found)
            return mac;
    }
    return macTextToU64(m_arpTable->macTextFor(QHostAddress(ipv4).toString()));
}

} // namespace Communication
} // namespace Common
