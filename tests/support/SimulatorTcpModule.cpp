#include "tests/support/SimulatorTcpModule.h"

#include "tests/support/AnalyzerSimulator.h"

#include <QTcpSocket>

SimulatorTcpModule::SimulatorTcpModule(AnalyzerSimulator* simulator, QObject* parent)
    : QObject(parent), m_simulator(simulator), m_server(this)
{
    connect(&m_server, &QTcpServer::newConnection, this, &SimulatorTcpModule::onNewConnection);
    connect(simulator, &AnalyzerSimulator::bytesOut, this, &SimulatorTcpModule::write);
    connect(simulator, &AnalyzerSimulator::dropRequested, this, &SimulatorTcpModule::drop);
}

bool SimulatorTcpModule::listen(quint16 port, const QHostAddress& address)
{
    return m_server.listen(address, port);
}

bool SimulatorTcpModule::hasClient() const
{
    return m_client && m_client->state() == QAbstractSocket::ConnectedState;
}

void SimulatorTcpModule::onNewConnection()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        if (m_client)
            m_client->abort();
        m_client = socket;
        connect(socket, &QTcpSocket::readyRead, this,
                [this, socket] { m_simulator->receiveBytes(socket->readAll()); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            socket->deleteLater();
            emit clientDisconnected();
        });
        emit clientConnected();
    }
}

void SimulatorTcpModule::write(const QByteArray& bytes)
{
    if (m_client)
        m_client->write(bytes);
}

void SimulatorTcpModule::drop()
{
    if (m_client)
        m_client->abort();
}
