#include "tests/support/ProbeSearchInfo.h"

#include "communication/CommandEchoSJ.h"
#include "communication/CommandSW9.h"

Common::Communication::SearchOptions ProbeSearchInfo::searchOptions()
{
    Common::Communication::SearchOptions options;
    options.allowBluetooth = options.allowFtdi = options.allowTibbo = options.allowOther = 1;
    return options;
}

Common::Communication::Command* ProbeSearchInfo::createInfoCommand(int)
{
    return new Common::Communication::CommandSW9();
}

Common::Communication::Command* ProbeSearchInfo::createEchoCommand(int)
{
    return new Common::Communication::CommandEchoSJ();
}
