#pragma once

#include <QString>
#include <QVector>

namespace Common {
namespace Communication {

class IReachabilitySettingsProvider;

// Why the PC cannot open a TCP connection to the analyzer behind a network
// module, as ordered reason codes 0 to 6; empty when it can.
QVector<int> reachabilityReasons(const IReachabilitySettingsProvider& settings);
inline bool isReachable(const QVector<int>& reasons) { return reasons.isEmpty(); }
// The text of the first reason, "" when there is none.
QString firstReasonText(const QVector<int>& reasons);

} // namespace Communication
} // namespace Common
