#pragma once

#include "analyzer/Measurement.h"

namespace KD {

// Takes the readings of a running drying.
class IMeasurementReceiver
{
public:
    virtual ~IMeasurementReceiver() = default;
    virtual void receive(Measurement m) = 0;
};

} // namespace KD
