#pragma once

namespace Common {
namespace Communication {

class Command;

// The commands of one search probe for a command variant; each create
// operation returns a new command owned by the caller, or none.
class ISearchCommandCreator
{
public:
    virtual ~ISearchCommandCreator() = default;
    virtual Command* createInfoCommand(int variant) = 0;
    virtual Command* createEchoCommand(int variant) = 0;
    // Sent between the two echoes.
    virtual Command* createExtraCommand(int variant) { return nullptr; }
};

} // namespace Communication
} // namespace Common
