#include "analyzer/CommandSx7.h"

namespace KD {
namespace Communication {

CommandSx7::CommandSx7(QObject* parent) : Command(parent) { }

bool CommandSx7::handleLine(QString) { return false; }

QString CommandSx7::text() { return QStringLiteral("Sx7\r\n"); }

void CommandSx7::onSent() { setFinished(); }

} // namespace Communication
} // namespace KD
