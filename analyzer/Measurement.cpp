#include "analyzer/Measurement.h"

bool operator==(const Measurement& a, const Measurement& b)
{
    return a.value == b.value && a.unit == b.unit && a.reserve == b.reserve && a.flag == b.flag;
}

bool operator!=(const Measurement& a, const Measurement& b) { return !(a == b); }

void registerMeasurementType() { qRegisterMetaType<Measurement>("Measurement"); }
