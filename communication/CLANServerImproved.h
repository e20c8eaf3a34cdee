#pragma once

#include "communication/CInterface.h"

#include <QHostAddress>
#include <QPointer>
#include <QTimer>

class QTcpSocket;

namespace Common {
namespace Communication {
class ServersManager;
}
} // namespace Common

// A TCP connection that the device's module opens to one of our servers.
// The device must connect within the listening window after open(), and
// again within a new window after it dropped its connection.
class CLANServerImproved : public CInterface
{
    Q_OBJECT

public:
    CLANServerImproved(const QHostAddress& address, int port, quint64 mac,
                       QObject* parent = nullptr);
    ~CLANServerImproved() override;

    void setServersManager(Common::Communication::ServersManager* manager);
    void setListeningTimeout(int ms) { m_listeningTimeout = ms; }
    void setCloseTimeout(int ms) { m_closeTimeout = ms; }
    QHostAddress address() const { return m_address; }
    int port() const { return m_port; }
    quint64 mac() const { return m_mac; }
    bool isListening() const { return m_listening; }

    CInterface* clone(QObject* parent) override;
    bool open() override;
    bool writeLine(QString text) override;
    bool writeBytes(QByteArray bytes) override;
    int readAllBytes(QByteArray& bytes) override;
    bool waitAndReadText(QString& text, int ms) override;
    bool close() override;
    int readText(QString& text) override;
    void discardInput() override;
    bool waitForReadyRead(int ms) override;
    QString description() override;

public slots:
    void onNewDeviceConnected(qulonglong mac);
    void onListeningTimeout();
    void onDisconnect();

private:
    bool startListening();
    void stopListening();

    QTcpSocket* m_socket = nullptr;
    QHostAddress m_address;
    int m_port;
    QPointer<Common::Communication::ServersManager> m_manager;
    QTimer m_listeningTimer;
    bool m_listening = false;
    quint64 m_mac;
    int m_listeningTimeout = 10000;
    int m_closeTimeout = 30000;
};
