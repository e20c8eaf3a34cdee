#pragma once

#include "communication/IMacIpMapper.h"

#include <QHash>
#include <QMutex>

namespace Common {
namespace Communication {

// Filled by the network search (search thread), read by the TCP servers
// manager (GUI thread): every access goes through the mutex.
class MacIpMapper : public IMacIpMapper
{
public:
    quint64 lookup(quint32 ipv4, bool* found) override;
    void insert(quint32 ipv4, quint64 mac) override;
    void clear() override;

private:
    QMutex m_mutex;
    QHash<quint32, quint64> m_macs;
};

} // namespace Communication
} // namespace Common
