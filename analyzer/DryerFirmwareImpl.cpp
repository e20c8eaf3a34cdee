#include "analyzer/DryerFirmwareImpl.h"

#include "analyzer/HLDryerController.h"

DryerFirmwareImpl::DryerFirmwareImpl(KD::HLDryerController* controller) : m_controller(controller)
{ }

QString DryerFirmwareImpl::fileFilter() { return QStringLiteral("(*.S19)"); }

bool DryerFirmwareImpl::upload(const QString& path)
{
    if (m_connection.isEmpty())
        return m_controller->uploadFirmwareOnline(path, &m_broker);
    return m_controller->uploadFirmwareOffline(path, m_connection, m_useBootloader, &m_broker);
}

void DryerFirmwareImpl::setProgressReceiver(IFirmwareProgressReceiver* receiver)
{
    m_broker.setReceiver(receiver);
}

void DryerFirmwareImpl::setConnectionInfo(const Common::Communication::ConnectionInfo& info)
{
    m_connection = info;
}
