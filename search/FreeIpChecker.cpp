#include "search/FreeIpChecker.h"

#include "search/PingProbe.h"

namespace Common {
namespace Communication {

namespace {
std::function<IAddressProbe*()> probeFactory;
}

FreeIpChecker::FreeIpChecker(QObject* parent) : QObject(parent)
{
    setProbe(probeFactory ? probeFactory() : new PingProbe);
}

void FreeIpChecker::setProbeFactory(std::function<IAddressProbe*()> factory)
{
    probeFactory = std::move(factory);
}

FreeIpChecker::~FreeIpChecker() = default;

void FreeIpChecker::setProbe(IAddressProbe* probe)
{
    m_probe.reset(probe);
    connect(probe, &IAddressProbe::probed, this, &FreeIpChecker::onProbed);
}

bool FreeIpChecker::start()
{
    // Without the PC's address or netmask, or in a subnet too small to hold
    // a candidate, the sweep would ping addresses outside the PC's network
    // (with a netmask of 0, the whole address space).
    if (m_running || m_hostIp == 0 || m_netmask == 0
        || (m_hostIp & m_netmask) + 2 >= lastCandidate())
        return false;
    m_running = true;
    m_candidate = (m_hostIp & m_netmask) + 2;
    m_probe->probe(m_candidate);
    return true;
}

quint32 FreeIpChecker::lastCandidate() const
{
    // The broadcast address - 1, in 32-bit unsigned arithmetic.
    return (m_hostIp & m_netmask) - m_netmask - 2;
}

void FreeIpChecker::stop()
{
    if (!m_running)
        return;
    m_running = false;
    m_probe->cancel();
}

void FreeIpChecker::onProbed(quint32 address, int result)
{
    if (!m_running || address != m_candidate)
        return;
    if (result == IAddressProbe::Free)
        end(true, address);
    else if (result == IAddressProbe::Taken)
        next();
    else
        end(false, 0);
}

void FreeIpChecker::next()
{
    ++m_candidate;
    if (m_candidate >= lastCandidate())
        end(false, 0);
    else
        m_probe->probe(m_candidate);
}

void FreeIpChecker::end(bool success, quint32 ip)
{
    m_running = false;
    emit finished(success, ip);
}

} // namespace Communication
} // namespace Common
