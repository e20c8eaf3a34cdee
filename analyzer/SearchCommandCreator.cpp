#include "analyzer/SearchCommandCreator.h"

#include "communication/CommandEchoSJ.h"
#include "communication/CommandSW9.h"

namespace KD {
namespace Communication {

Common::Communication::Command* SearchCommandCreator::createInfoCommand(int variant)
{
    return variant == 0 ? new Common::Communication::CommandSW9(false) : nullptr;
}

Common::Communication::Command* SearchCommandCreator::createEchoCommand(int variant)
{
    // The probe's echo fails on the first foreign line: a wrong baud rate
    // must not pass for an analyzer.
    return variant == 0 ? new Common::Communication::CommandEchoSJ() : nullptr;
}

} // namespace Communication
} // namespace KD
