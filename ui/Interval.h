#pragma once

#include <QtGlobal>

#include "ui/IInterval.h"

namespace Common {

// Holds the run's sampling interval in milliseconds.
class Interval : public IInterval
{
public:
    int value() const override { return m_value; }
    void setValue(int value) override { m_value = value; }

private:
    qint32 m_value = 0;
};

} // namespace Common
