#include "ui/FirmwareProgressBroker.h"

#include "ui/IFirmwareProgressReceiver.h"

FirmwareProgressBroker::FirmwareProgressBroker(QObject* parent) : QObject(parent) { }

void FirmwareProgressBroker::onProgress(int percent)
{
    if (m_receiver)
        m_receiver->onProgress(percent);
}

void FirmwareProgressBroker::onFinish(int result)
{
    if (m_receiver)
        m_receiver->onFinish(result);
}

void FirmwareProgressBroker::onStateChange(int state)
{
    if (m_receiver)
        m_receiver->onStateChange(state);
}
