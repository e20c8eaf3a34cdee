#include "communication/CLAN.h"

CLAN::CLAN(const QHostAddress& address, int port, QObject* parent)
    : CInterface(parent), m_socket(this), m_address(address), m_port(port)
{
    connect(&m_socket, &QTcpSocket::readyRead, this, &CInterface::readyRead);
}

void CLAN::bind(const QHostAddress& local)
{
    m_localAddress = local;
    if (!local.isNull())
        m_socket.bind(local);
}

CInterface* CLAN::clone(QObject* parent)
{
    auto* copy = new CLAN(m_address, m_port, parent);
    copy->setConnectTimeout(m_connectTimeout);
    copy->setCloseTimeout(m_closeTimeout);
    return copy;
}

bool CLAN::open()
{
    resetDecoder();
    disconnect(&m_socket, &QTcpSocket::disconnected, this, &CLAN::onSocketDisconnected);
    connect(&m_socket, &QTcpSocket::disconnected, this, &CLAN::onSocketDisconnected);
    // A failed attempt drops the binding; bind again for the next one.
    if (m_socket.state() == QAbstractSocket::UnconnectedState && !m_localAddress.isNull())
        m_socket.bind(m_localAddress);
    m_socket.connectToHost(m_address, quint16(m_port));
    const bool connected = m_socket.waitForConnected(m_connectTimeout);
    if (!connected)
        m_socket.abort();
    reportState(connected ? Connected : Disconnected);
    return connected;
}

bool CLAN::writeLine(QString text) { return writeBytes(text.toUtf8()); }

bool CLAN::writeBytes(QByteArray bytes) { return writeToSocket(m_socket, bytes); }

int CLAN::readAllBytes(QByteArray& bytes) { return readBytesFrom(m_socket, bytes); }

bool CLAN::waitAndReadText(QString& text, int ms)
{
    return waitAndReadTextFrom(m_socket, text, ms);
}

bool CLAN::close()
{
    if (m_socket.state() != QAbstractSocket::UnconnectedState) {
        disconnect(&m_socket, &QTcpSocket::disconnected, this, &CLAN::onSocketDisconnected);
        m_socket.disconnectFromHost();
        if (m_socket.state() != QAbstractSocket::UnconnectedState
            && !m_socket.waitForDisconnected(m_closeTimeout)) {
            reportState(Connected);
            return false;
        }
    }
    reportState(Disconnected);
    return true;
}

int CLAN::readText(QString& text) { return readTextFrom(m_socket, text); }

void CLAN::discardInput() { m_socket.readAll(); }

bool CLAN::waitForReadyRead(int ms) { return m_socket.waitForReadyRead(ms); }

QString CLAN::description()
{
    return QStringLiteral("LAN (%1,%2)").arg(m_address.toString()).arg(m_port);
}

void CLAN::onSocketDisconnected() { reportState(Disconnected); }
