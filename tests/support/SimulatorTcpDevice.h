#pragma once

#include <QHostAddress>
#include <QObject>
#include <QTcpSocket>

class AnalyzerSimulator;

// The device's network module in client mode: connects to the program's
// TCP server and carries the simulator's bytes over that connection.
class SimulatorTcpDevice : public QObject
{
    Q_OBJECT

public:
    explicit SimulatorTcpDevice(AnalyzerSimulator* simulator, QObject* parent = nullptr);

    // From this local address (the program tells devices apart by theirs).
    void setLocalAddress(const QHostAddress& address) { m_local = address; }
    void connectTo(const QHostAddress& address, quint16 port);
    bool isConnected() const { return m_socket.state() == QAbstractSocket::ConnectedState; }
    QTcpSocket& socket() { return m_socket; }

signals:
    void connected();
    void disconnected();

private:
    void write(const QByteArray& bytes);

    AnalyzerSimulator* m_simulator;
    QTcpSocket m_socket;
    QHostAddress m_local;
};
