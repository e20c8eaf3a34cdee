#include "communication/CLANServerImproved.h"

#include "communication/ServersManager.h"

#include <QTcpSocket>

using Common::Communication::ServersManager;

CLANServerImproved::CLANServerImproved(const QHostAddress& address, int port, quint64 mac,
                                       QObject* parent)
    : CInterface(parent), m_address(address), m_port(port), m_listeningTimer(this), m_mac(mac)
{
    m_listeningTimer.setSingleShot(true);
    connect(&m_listeningTimer, &QTimer::timeout, this, &CLANServerImproved::onListeningTimeout);
}

CLANServerImproved::~CLANServerImproved()
{
    // Released without close(): the shared server must not wait for our
    // device for ever.
    stopListening();
}

void CLANServerImproved::setServersManager(ServersManager* manager)
{
    if (m_manager)
        disconnect(m_manager, nullptr, this, nullptr);
    m_manager = manager;
    // Queued even on one thread: the manager emits while holding its mutex,
    // and adopting the socket takes that mutex again.
    if (m_manager)
        connect(m_manager, &ServersManager::newDeviceConnected, this,
                &CLANServerImproved::onNewDeviceConnected, Qt::QueuedConnection);
}

CInterface* CLANServerImproved::clone(QObject* parent)
{
    auto* copy = new CLANServerImproved(m_address, m_port, m_mac, parent);
    copy->setListeningTimeout(m_listeningTimeout);
    copy->setCloseTimeout(m_closeTimeout);
    return copy;
}

bool CLANServerImproved::open()
{
    resetDecoder();
    if (!startListening()) {
        setState(Disconnected);
        return false;
    }
    return true;
}

bool CLANServerImproved::startListening()
{
    if (!m_manager || !m_manager->listen(m_port, m_mac))
        return false;
    m_listeningTimer.start(m_listeningTimeout);
    m_listening = true;
    setState(Listening);
    return true;
}

void CLANServerImproved::stopListening()
{
    m_listeningTimer.stop();
    if (!m_listening)
        return;
    m_listening = false;
    if (!m_manager)
        return;
    m_manager->stopListening(m_mac);
    // A device that connected meanwhile is adopted by nobody now; left
    // waiting, its socket would be handed to our MAC's next attempt.
    QTcpSocket* late = nullptr;
    while (m_manager->takeSocket(m_mac, &late))
        late->deleteLater();
}

void CLANServerImproved::onNewDeviceConnected(qulonglong mac)
{
    if (mac != m_mac || !m_manager)
        return;
    QTcpSocket* socket = nullptr;
    if (!m_manager->takeSocket(m_mac, &socket))
        return;
    if (!m_listening) {
        // Too late, or closed meanwhile: the attempt has already ended.
        socket->deleteLater();
        return;
    }
    m_listeningTimer.stop();
    m_listening = false;
    m_socket = socket;
    m_socket->setParent(this);
    connect(m_socket, &QTcpSocket::readyRead, this, &CInterface::readyRead);
    connect(m_socket, &QTcpSocket::disconnected, this, &CLANServerImproved::onDisconnect);
    setState(Connected);
    // Whatever the device sent before it was adopted raised no readyRead here.
    if (m_socket->bytesAvailable() > 0)
        QMetaObject::invokeMethod(this, &CInterface::readyRead, Qt::QueuedConnection);
}

void CLANServerImproved::onListeningTimeout()
{
    if (!m_listening)
        return;
    stopListening();
    setState(Disconnected);
}

void CLANServerImproved::onDisconnect()
{
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->deleteLater();
        m_socket = nullptr;
    }
    // Give the device a fresh window to come back; without one the
    // connection would stay in "listening" for ever.
    if (!startListening())
        setState(Disconnected);
}

bool CLANServerImproved::close()
{
    stopListening();
    if (!m_socket) {
        setState(Disconnected);
        return true;
    }
    m_socket->disconnect(this);
    bool closed = true;
    if (m_socket->state() != QAbstractSocket::UnconnectedState) {
        m_socket->disconnectFromHost();
        if (m_socket->state() != QAbstractSocket::UnconnectedState)
            closed = m_socket->waitForDisconnected(m_closeTimeout);
    }
    m_socket->deleteLater();
    m_socket = nullptr;
    setState(closed ? Disconnected : Listening);
    return closed;
}

bool CLANServerImproved::writeLine(QString text) { return writeBytes(text.toUtf8()); }

bool CLANServerImproved::writeBytes(QByteArray bytes)
{
    return m_socket && writeToSocket(*m_socket, bytes);
}

int CLANServerImproved::readAllBytes(QByteArray& bytes)
{
    if (!m_socket) {
        bytes.clear();
        return 0;
    }
    return readBytesFrom(*m_socket, bytes);
}

bool CLANServerImproved::waitAndReadText(QString& text, int ms)
{
    return m_socket && waitAndReadTextFrom(*m_socket, text, ms);
}

int CLANServerImproved::readText(QString& text)
{
    if (!m_socket) {
        text.clear();
        return 0;
    }
    return readTextFrom(*m_socket, text);
}

void CLANServerImproved::discardInput()
{
    if (m_socket)
        m_socket->readAll();
}

bool CLANServerImproved::waitForReadyRead(int ms)
{
    return m_socket && m_socket->waitForReadyRead(ms);
}

QString CLANServerImproved::description()
{
    return QStringLiteral("LAN Server (%1,%2)").arg(m_address.toString()).arg(m_port);
}
