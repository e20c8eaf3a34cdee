#pragma once

#include "analyzer/Measurement.h"

#include <QObject>

namespace KD {
class IMeasurementReceiver;

// Slot end of the drying controller's queued result signal.
class MeasurementSignalHandler : public QObject
{
    Q_OBJECT

public:
    MeasurementSignalHandler(IMeasurementReceiver* receiver, QObject* parent = nullptr);

public slots:
    void onMeasurement(Measurement m);

private:
    IMeasurementReceiver* m_receiver;
};

} // namespace KD
