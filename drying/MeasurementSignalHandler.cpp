#include "drying/MeasurementSignalHandler.h"

#include "drying/IMeasurementReceiver.h"

namespace KD {

MeasurementSignalHandler::MeasurementSignalHandler(IMeasurementReceiver* receiver, QObject* parent)
    : QObject(parent), m_receiver(receiver)
{ }

void MeasurementSignalHandler::onMeasurement(Measurement m) { m_receiver->receive(m); }

} // namespace KD
