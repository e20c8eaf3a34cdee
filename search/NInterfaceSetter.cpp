#include "search/NInterfaceSetter.h"

#include "communication/ILogger.h"
#include "communication/IOInterfaceModule.h"
#include "communication/NESP.h"

namespace Common {
namespace Communication {

NInterfaceSetter::NInterfaceSetter(ILogger* logger, QObject* parent)
    : QObject(parent), m_logger(logger)
{ }

void NInterfaceSetter::start(const DevNetworkInterface& current, const DevNetworkInterface& desired)
{
    m_current = current;
    m_desired = desired;
    m_module = createModule(quint16(current.udpPort()), current.hostIp(), current.hostNetmask(),
                            current.mac(), current.deviceIp(), current.isDhcp(),
                            current.isAddressObtained(), this, m_endpoints);
    if (!m_module) {
        emit settingFinished(1);
        return;
    }
    m_retries = 0;
    connect(m_module, &IOInterfaceModule::infoReady, this, &NInterfaceSetter::onInfoReady);
    connect(m_module, &IOInterfaceModule::commandFailed, this, &NInterfaceSetter::onCommandFailed);
    connect(m_module, &IOInterfaceModule::commandTimeout, this,
            &NInterfaceSetter::onCommandTimeout);
    connectLog();
    m_transportDiffers = current.transportProtocol() != desired.transportProtocol();
    m_module->readInfo(1);
}

void NInterfaceSetter::connectLog()
{
    connect(m_module, &IOInterfaceModule::newOutLog, this, &NInterfaceSetter::onNewOutLog);
    connect(m_module, &IOInterfaceModule::newInLog, this, &NInterfaceSetter::onNewInLog);
}

void NInterfaceSetter::onInfoReady()
{
    connect(m_module, &IOInterfaceModule::commandOk, this, &NInterfaceSetter::onCommandOk);
    if (m_transportDiffers) {
        m_phase = Protocol;
        m_module->setProtocol(m_desired.transportProtocol());
    } else {
        beginTcpSettings();
    }
}

void NInterfaceSetter::beginTcpSettings()
{
    m_phase = TcpSettings;
    if (auto* esp = qobject_cast<NESP*>(m_module)) {
        m_step = 5;
        esp->setTcpSettings(m_desired.routingMode() == 1, m_desired.port(), m_desired.remoteIp());
    } else {
        setClientServer();
    }
}

void NInterfaceSetter::setClientServer()
{
    m_step = 1;
    m_module->setRoutingMode(m_desired.routingMode());
}

void NInterfaceSetter::setRemoteIp()
{
    m_step = 2;
    m_module->setRemoteIP(m_desired.remoteIp());
}

void NInterfaceSetter::setPort()
{
    m_step = 3;
    m_module->setPort(m_desired.port());
}

void NInterfaceSetter::setRemotePort()
{
    // The module's remote port is the same number as its port.
    m_step = 4;
    m_module->setRemotePort(m_desired.port());
}

void NInterfaceSetter::startClientServer()
{
    m_phase = ClientServerStart;
    m_module->startClientServer();
}

void NInterfaceSetter::setIPConfig()
{
    m_phase = IpConfig;
    m_module->setIPLayer(m_desired.isDhcp(), m_desired.deviceIp(), m_desired.gateway(),
                         m_desired.netmask());
}

void NInterfaceSetter::onCommandOk()
{
    switch (m_phase) {
    case Protocol: beginTcpSettings(); break;
    case TcpSettings:
        switch (m_step) {
        case 1: setRemoteIp(); break;
        case 2: setPort(); break;
        case 3: setRemotePort(); break;
        default: startClientServer(); break;
        }
        break;
    case ClientServerStart: setIPConfig(); break;
    case IpConfig: reboot(); break;
    default: break;
    }
}

void NInterfaceSetter::reboot()
{
    m_phase = Reboot;
    disconnect(m_module, &IOInterfaceModule::commandOk, this, &NInterfaceSetter::onCommandOk);
    disconnect(m_module, &IOInterfaceModule::commandTimeout, this,
               &NInterfaceSetter::onCommandTimeout);
    connect(m_module, &IOInterfaceModule::commandTimeout, this, &NInterfaceSetter::onRebootTimeout);
    // A module that acknowledges the reboot before it restarts ends the
    // command with an answer instead of the usual silence.
    connect(m_module, &IOInterfaceModule::commandOk, this, &NInterfaceSetter::onRebootTimeout);
    if (m_module->rebootNeeded())
        m_module->reboot();
    else
        onRebootTimeout();
}

void NInterfaceSetter::onRebootTimeout()
{
    disconnect(m_module, nullptr, this, nullptr);
    connectLog();
    connect(m_module, &IOInterfaceModule::infoReady, this,
            &NInterfaceSetter::onInfoReadyAfterReboot);
    connect(m_module, &IOInterfaceModule::commandTimeout, this,
            &NInterfaceSetter::onCommandTimeoutAfterReboot);
    connect(m_module, &IOInterfaceModule::commandFailed, this,
            &NInterfaceSetter::onCommandFailedAfterReboot);
    m_retries = 0;
    // The module may have a new address: ask it by its identity, by broadcast.
    m_module->setDeviceIp(QHostAddress(QStringLiteral("0.0.0.0")));
    m_module->readInfo(1);
}

void NInterfaceSetter::retryReadBack()
{
    if (m_retries >= m_maxRetries) {
        emit settingFinished(3);
        return;
    }
    ++m_retries;
    m_module->readInfo(1);
}

void NInterfaceSetter::onCommandTimeoutAfterReboot() { retryReadBack(); }

void NInterfaceSetter::onCommandFailedAfterReboot() { retryReadBack(); }

void NInterfaceSetter::onInfoReadyAfterReboot()
{
    m_hasReadBack = true;
    m_readBack = DevNetworkInterface(*m_module);
    emit settingFinished(m_readBack.sameSettings(m_desired) ? 0 : 2);
}

void NInterfaceSetter::onCommandFailed() { emit settingFinished(4); }

void NInterfaceSetter::onCommandTimeout() { emit settingFinished(5); }

void NInterfaceSetter::onNewOutLog(VornLogRecord record)
{
    if (m_logger)
        m_logger->sent(record.interface, QDateTime(record.date, record.time), record.message);
}

void NInterfaceSetter::onNewInLog(VornLogRecord record)
{
    if (m_logger)
        m_logger->received(record.interface, QDateTime(record.date, record.time), record.message);
}

} // namespace Communication
} // namespace Common
