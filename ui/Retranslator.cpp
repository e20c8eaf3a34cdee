#include "ui/Retranslator.h"

namespace Common {

void Retranslator::retranslate()
{
    for (IRetranslatable* object : qAsConst(m_objects))
        object->retranslate();
}

void Retranslator::add(IRetranslatable* object)
{
    if (object)
        m_objects.append(object);
}

} // namespace Common
