#pragma once

#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTcpServer>

class AnalyzerSimulator;
class QTcpSocket;

// The device's network module in server mode: listens on 127.0.0.1 and
// carries the simulator's bytes over the connection the program opens.
// A newer connection replaces the older one.
class SimulatorTcpModule : public QObject
{
    Q_OBJECT

public:
    explicit SimulatorTcpModule(AnalyzerSimulator* simulator, QObject* parent = nullptr);

    // Port 0 picks a free one.
    bool listen(quint16 port = 0, const QHostAddress& address = QHostAddress::LocalHost);
    quint16 port() const { return m_server.serverPort(); }
    bool hasClient() const;
    // Stops accepting (a module that went away); the current client stays.
    void stopListening() { m_server.close(); }

signals:
    void clientConnected();
    void clientDisconnected();

private:
    void onNewConnection();
    void write(const QByteArray& bytes);
    void drop();

    AnalyzerSimulator* m_simulator;
    QTcpServer m_server;
    QPointer<QTcpSocket> m_client;
};
