#include "ui/StateTextRetranslator.h"

#include "ui/IStateTextRequestable.h"

namespace Common {

StateTextRetranslator::StateTextRetranslator(IStateTextRequestable* source) : m_source(source) { }

void StateTextRetranslator::retranslate()
{
    if (m_source)
        m_source->requestStateText();
}

} // namespace Common
