#include "search/MacIpMapper.h"

#include <QMutexLocker>

namespace Common {
namespace Communication {

quint64 MacIpMapper::lookup(quint32 ipv4, bool* found)
{
    QMutexLocker lock(&m_mutex);
    const auto it = m_macs.constFind(ipv4);
    const bool known = it != m_macs.constEnd();
    if (found)
        *found = known;
    return known ? it.value() : 0;
}

void MacIpMapper::insert(quint32 ipv4, quint64 mac)
{
    QMutexLocker lock(&m_mutex);
    m_macs.insert(ipv4, mac);
}

void MacIpMapper::clear()
{
    QMutexLocker lock(&m_mutex);
    m_macs.clear();
}

} // namespace Communication
} // namespace Common
