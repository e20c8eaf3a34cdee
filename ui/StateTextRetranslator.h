#pragma once

#include "ui/IRetranslatable.h"

namespace Common {

class IStateTextRequestable;

// Lets a state machine's published state text follow a language change.
class StateTextRetranslator : public IRetranslatable
{
public:
    explicit StateTextRetranslator(IStateTextRequestable* source);
    void retranslate() override;

private:
    IStateTextRequestable* m_source;
};

} // namespace Common
