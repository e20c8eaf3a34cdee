#include "search/SearchEngine.h"

#include "search/COMSearch.h"
#include "search/NetworkSearch.h"

#include <QMutexLocker>

namespace Common {

SearchEngine::SearchEngine(Communication::COMSearch* serial, Communication::NetworkSearch* network,
                           QObject* parent)
    : QObject(parent), m_serial(serial), m_network(network)
{
    connect(serial, &Communication::COMSearch::progress, this, &SearchEngine::onCOMProgressChange);
    connect(network, &Communication::NetworkSearch::progress, this,
            &SearchEngine::onNetworkProgressChange);
    connect(serial, &Communication::COMSearch::deviceFound, this, &SearchEngine::onDeviceFound);
    connect(network, &Communication::NetworkSearch::deviceFound, this,
            &SearchEngine::onDeviceFound);
    connect(serial, &Communication::COMSearch::newLogLine, this, &SearchEngine::newLogLine);
    connect(network, &Communication::NetworkSearch::newLogLine, this, &SearchEngine::newLogLine);
}

QVector<Communication::DeviceConnectionInfo> SearchEngine::foundDevices() const
{
    QMutexLocker lock(&m_mutex);
    return m_found;
}

void SearchEngine::setDirectConnectionTarget(const QHostAddress& address, int port)
{
    m_network->setDirectTarget(address, port);
}

void SearchEngine::clearDirectConnectionTarget() { m_network->clearDirectTarget(); }

void SearchEngine::search(bool ignoreNetwork, bool ignoreCom)
{
    if (!m_networkAvailable) {
        // A stored mode "Network;" must not leave the user with no search.
        ignoreNetwork = true;
        ignoreCom = false;
    }
    {
        QMutexLocker lock(&m_mutex);
        m_found.clear();
    }
    m_serialDone = ignoreCom;
    m_networkDone = ignoreNetwork;
    m_serialActive = !ignoreCom;
    m_networkActive = !ignoreNetwork;
    m_serialProgress = m_networkProgress = 0;
    emit progressChanged(0);
    if (ignoreCom && ignoreNetwork) {
        // Nothing will ever report: end the empty search here.
        emit progressChanged(100);
        emit searchingFinished();
        return;
    }
    // The serial search lives on another thread: its start and stop are
    // queued to it, so they run there in the order given.
    if (!ignoreCom)
        QMetaObject::invokeMethod(m_serial, &Communication::COMSearch::start, Qt::QueuedConnection);
    if (!ignoreNetwork)
        m_network->start();
}

void SearchEngine::stopSearching()
{
    if (m_serialActive)
        QMetaObject::invokeMethod(m_serial, &Communication::COMSearch::stop, Qt::QueuedConnection);
    if (m_networkActive)
        m_network->stop();
}

void SearchEngine::onCOMProgressChange(int progress)
{
    if (m_serialDone)
        return;
    m_serialProgress = progress;
    m_serialDone = progress == 100;
    combineProgress();
}

void SearchEngine::onNetworkProgressChange(int progress)
{
    if (m_networkDone)
        return;
    m_networkProgress = progress;
    m_networkDone = progress == 100;
    combineProgress();
}

void SearchEngine::onDeviceFound(QVariant result)
{
    addFoundDevice(result.value<Communication::DeviceConnectionInfo>());
    emit newDeviceFound();
}

void SearchEngine::addFoundDevice(const Communication::DeviceConnectionInfo& device)
{
    QMutexLocker lock(&m_mutex);
    m_found.append(device);
}

void SearchEngine::combineProgress()
{
    const int serial = m_serialDone ? 100 : m_serialProgress;
    const int network = m_networkDone ? 100 : m_networkProgress;
    int combined = 0;
    if (m_serialActive && m_networkActive)
        combined = (serial + network) / 2;
    else if (m_serialActive)
        combined = serial;
    else if (m_networkActive)
        combined = network;
    else
        return;
    emit progressChanged(combined);
    if (combined == 100)
        emit searchingFinished();
}

} // namespace Common
