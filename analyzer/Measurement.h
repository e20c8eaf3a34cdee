#pragma once

#include <QChar>
#include <QMetaType>
#include <QString>

// One reading from the analyzer. Travels by value through queued signals,
// so it is registered with the meta-type system (registerMeasurementType).
struct Measurement
{
    float value = 0.0f; // the mass in grams on the drying path
    QString unit; // second word of the line, empty when there is none
    qint32 reserve = 0; // never set to anything else
    QChar flag; // '?' once parsed from a line, 0 otherwise
};

bool operator==(const Measurement& a, const Measurement& b);
bool operator!=(const Measurement& a, const Measurement& b);

Q_DECLARE_METATYPE(Measurement)

// Registers Measurement under the name "Measurement" for queued connections.
void registerMeasurementType();
