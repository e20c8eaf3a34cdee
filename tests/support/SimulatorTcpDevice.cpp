#include "tests/support/SimulatorTcpDevice.h"

#include "tests/support/AnalyzerSimulator.h"

SimulatorTcpDevice::SimulatorTcpDevice(AnalyzerSimulator* simulator, QObject* parent)
    : QObject(parent), m_simulator(simulator), m_socket(this)
{
    connect(&m_socket, &QTcpSocket::readyRead, this,
            [this] { m_simulator->receiveBytes(m_socket.readAll()); });
    connect(&m_socket, &QTcpSocket::connected, this, &SimulatorTcpDevice::connected);
    connect(&m_socket, &QTcpSocket::disconnected, this, &SimulatorTcpDevice::disconnected);
    connect(simulator, &AnalyzerSimulator::bytesOut, this, &SimulatorTcpDevice::write);
    connect(simulator, &AnalyzerSimulator::dropRequested, &m_socket, &QTcpSocket::abort);
}

void SimulatorTcpDevice::connectTo(const QHostAddress& address, quint16 port)
{
    m_socket.abort();
    if (!m_local.isNull())
        m_socket.bind(m_local);
    m_socket.connectToHost(address, port);
}

void SimulatorTcpDevice::write(const QByteArray& bytes)
{
    if (isConnected())
        m_socket.write(bytes);
}
