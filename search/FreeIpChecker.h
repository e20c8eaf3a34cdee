#pragma once

#include <QObject>

#include <functional>
#include <memory>

namespace Common {
namespace Communication {

class IAddressProbe;

// Proposes a free address of the PC's subnet for a network module: probes the
// subnet's addresses one after another, from the network address + 2, and
// reports the first that does not answer.
class FreeIpChecker : public QObject
{
    Q_OBJECT

public:
    explicit FreeIpChecker(QObject* parent = nullptr);
    ~FreeIpChecker() override;

    void setHostIp(quint32 ip) { m_hostIp = ip; }
    void setNetmask(quint32 netmask) { m_netmask = netmask; }
    // Replaces the system ping (the checker takes ownership); while idle only.
    void setProbe(IAddressProbe* probe);
    // What new checkers probe with: the system ping unless a test has put
    // its own factory in place (an empty one restores the ping).
    static void setProbeFactory(std::function<IAddressProbe*()> factory);

    // False, probing nothing, when a sweep is already running or the PC's
    // subnet is unknown or holds no candidate.
    bool start();
    // Ends a running sweep without a finished().
    void stop();
    bool isRunning() const { return m_running; }

signals:
    void finished(bool success, uint ip);

private slots:
    void onProbed(quint32 address, int result);

private:
    void next();
    quint32 lastCandidate() const;
    void end(bool success, quint32 ip);

    quint32 m_hostIp = 0;
    quint32 m_netmask = 0;
    quint32 m_candidate = 0;
    bool m_running = false;
    std::unique_ptr<IAddressProbe> m_probe;
};

} // namespace Communication
} // namespace Common
