#pragma once

#include "communication/DeviceConnectionInfo.h"

#include <QHostAddress>
#include <QMutex>
#include <QObject>
#include <QVariant>
#include <QVector>

namespace Common {

namespace Communication {
class COMSearch;
class NetworkSearch;
} // namespace Communication

// The one entry point of the device search: starts the serial and the
// network search, joins their progress into one value from 0 to 100,
// collects what they find and tells when the search is over. Lives on the
// search holder's thread; the search page reaches it by queued signals.
class SearchEngine : public QObject
{
    Q_OBJECT

public:
    SearchEngine(Communication::COMSearch* serial, Communication::NetworkSearch* network,
                 QObject* parent = nullptr);

    // Without a network search every search is a serial search.
    void setNetworkAvailable(bool available) { m_networkAvailable = available; }

    // A copy taken under the mutex; safe from any thread.
    QVector<Communication::DeviceConnectionInfo> foundDevices() const;
    // Called from the GUI thread while no search runs.
    void setDirectConnectionTarget(const QHostAddress& address, int port);
    void clearDirectConnectionTarget();

signals:
    void searchingFinished();
    void newDeviceFound();
    void newLogLine(QString line);
    void progressChanged(int progress);

public slots:
    void search(bool ignoreNetwork, bool ignoreCom);
    void stopSearching();
    void onCOMProgressChange(int progress);
    void onNetworkProgressChange(int progress);
    void onDeviceFound(QVariant result);

private:
    void addFoundDevice(const Communication::DeviceConnectionInfo& device);
    void combineProgress();

    Communication::COMSearch* m_serial;
    Communication::NetworkSearch* m_network;
    mutable QMutex m_mutex;
    QVector<Communication::DeviceConnectionInfo> m_found;
    bool m_serialActive = true;
    bool m_networkActive = true;
    bool m_networkDone = false;
    bool m_serialDone = false;
    int m_networkProgress = 0;
    int m_serialProgress = 0;
    bool m_networkAvailable = true;
};

} // namespace Common
