#pragma once

#include <QHash>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QSet>

#include <memory>

class QTcpServer;
class QTcpSocket;
class QThread;

namespace Common {
namespace Communication {

class IArpTable;
class IMacIpMapper;

// Listening TCP servers shared by the server-mode transports: a device's
// module connects to us, and the manager recognises it by its MAC.
// Lives on the GUI thread, and so do its servers and the sockets they
// accept until a socket is handed to its transport's thread. The transports
// call it from the communication thread, so every operation takes the one
// mutex.
class ServersManager : public QObject
{
    Q_OBJECT

public:
    explicit ServersManager(QObject* parent = nullptr);
    ~ServersManager() override;

    // Expects the MAC; listens on the port unless a server already does.
    bool listen(int port, quint64 mac);
    void stopListening(quint64 mac);
    // Hands out the first waiting socket of that MAC; the caller owns it.
    bool takeSocket(quint64 mac, QTcpSocket** out);
    // Releases every waiting socket and every server.
    void reset();

    void setMacIpMapper(IMacIpMapper* mapper);
    // Replaces the system's ARP table (tests); the manager owns it.
    void setArpTable(IArpTable* table);

signals:
    void newDeviceConnected(qulonglong mac);

public slots:
    void onNewConnection();

private:
    struct WaitingSocket
    {
        quint64 mac;
        QTcpSocket* socket;
    };

    void releaseServers();
    quint64 macOf(const QTcpSocket& socket);

    QMutex m_mutex;
    QList<QTcpServer*> m_servers;
    QSet<quint64> m_expected;
    // The thread of the transport that waits for each MAC: its socket is
    // handed over there.
    QHash<quint64, QThread*> m_waiterThreads;
    QList<WaitingSocket> m_waiting;
    IMacIpMapper* m_mapper = nullptr;
    std::unique_ptr<IArpTable> m_arpTable;
};

} // namespace Communication
} // namespace Common
