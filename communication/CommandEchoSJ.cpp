#include "communication/CommandEchoSJ.h"

namespace Common {
namespace Communication {

QString CommandEchoSJ::text() { return QStringLiteral("SJ\r\n"); }

bool CommandEchoSJ::isMatch(QString line) { return line == QLatin1String("MJ"); }

} // namespace Communication
} // namespace Common
