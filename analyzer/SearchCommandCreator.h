#pragma once

#include "search/ISearchCommandCreator.h"

namespace KD {
namespace Communication {

// The analyzer's probe: "SW9" and the "SJ" echo for variant 0, nothing else.
class SearchCommandCreator : public Common::Communication::ISearchCommandCreator
{
public:
    Common::Communication::Command* createInfoCommand(int variant) override;
    Common::Communication::Command* createEchoCommand(int variant) override;
};

} // namespace Communication
} // namespace KD
