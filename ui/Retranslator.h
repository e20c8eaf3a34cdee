#pragma once

#include "ui/IRetranslatable.h"
#include "ui/IRetranslator.h"

#include <QVector>

namespace Common {

// Runs every registered object's retranslate, in registration order, once per
// language change. Registration happens while the program is built.
class Retranslator : public IRetranslatable, public IRetranslator
{
public:
    void retranslate() override;
    void add(IRetranslatable* object) override;

private:
    QVector<IRetranslatable*> m_objects;
};

} // namespace Common
