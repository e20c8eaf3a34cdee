#pragma once

#include "communication/DevNetworkInterface.h"
#include "communication/VornLogRecord.h"
#include "search/ModuleFactory.h"

#include <QObject>

namespace Common {
namespace Communication {

class ILogger;
class IOInterfaceModule;

// Writes a module's new settings in one chain of commands: transport
// protocol (when it changes), routing, remote address and ports, the start
// of the client or server, the IP layer, a reboot where the module needs one,
// then reads the settings back. Ends with one settingFinished(ret):
// 0 written and read back as desired, 1 no module for the UDP port,
// 2 read back but different, 3 no read-back after every retry,
// 4 a command failed, 5 a command timed out. Used once.
class NInterfaceSetter : public QObject
{
    Q_OBJECT

public:
    enum Phase {
        Reading = 0,
        Protocol = 1,
        TcpSettings = 2,
        ClientServerStart = 3,
        IpConfig = 4,
        Reboot = 5
    };

    explicit NInterfaceSetter(ILogger* logger, QObject* parent = nullptr);

    void start(const DevNetworkInterface& current, const DevNetworkInterface& desired);
    void setMaxRetries(int retries) { m_maxRetries = retries; }
    void setModuleEndpoints(const ModuleEndpoints& endpoints) { m_endpoints = endpoints; }
    bool hasReadBack() const { return m_hasReadBack; }
    DevNetworkInterface readBack() const { return m_readBack; }

signals:
    void settingFinished(int ret);

public slots:
    void setClientServer();
    void setRemoteIp();
    void setPort();
    void setRemotePort();
    void startClientServer();
    void setIPConfig();
    void reboot();
    void onInfoReady();
    void onCommandTimeout();
    void onCommandFailed();
    void onRebootTimeout();
    void onInfoReadyAfterReboot();
    void onCommandTimeoutAfterReboot();
    void onCommandFailedAfterReboot();
    void onCommandOk();
    void onNewOutLog(VornLogRecord record);
    void onNewInLog(VornLogRecord record);

private:
    void beginTcpSettings();
    void connectLog();
    void retryReadBack();

    int m_phase = Reading;
    int m_step = 0;
    DevNetworkInterface m_current;
    DevNetworkInterface m_desired;
    DevNetworkInterface m_readBack;
    bool m_hasReadBack = false;
    bool m_transportDiffers = false;
    ILogger* m_logger;
    int m_retries = 0;
    int m_maxRetries = 5;
    IOInterfaceModule* m_module = nullptr;
    ModuleEndpoints m_endpoints;
};

} // namespace Communication
} // namespace Common
