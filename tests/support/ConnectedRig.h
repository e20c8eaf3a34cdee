#pragma once

#include "communication/ConnectionInfo.h"
#include "communication/TargetManager.h"
#include "settings/DryingSettings.h"
#include "tests/support/AnalyzerSimulator.h"
#include "tests/support/RunningThread.h"
#include "tests/support/ScopedTestSettings.h"
#include "tests/support/SimulatedDryer.h"
#include "tests/support/SimulatorPtyLink.h"

#include <QTemporaryDir>

#include <memory>

namespace Common {
namespace Communication {
class ConnectionManager;
class ILogger;
} // namespace Communication
} // namespace Common

namespace KD {
class HLDryerController;
namespace Communication {
class NDryer;
}
} // namespace KD

// The program's connected side as a page test needs it: the simulated
// analyzer on a pty pair, the communication thread with the connection
// manager and the analyzer facade (device type 0), the drying controller on
// the GUI thread, an empty settings database and empty settings, all of it
// private to the rig and gone with it.
//
//     ConnectedRig rig;
//     QVERIFY(rig.connectAnalyzer());   // the controller is ready
//     rig.device()->setParameter(SimulatedDryer::Samples, "7");
//     rig.controller()->loadSettings(&requester);
//
// The simulator and the controller live on the test's thread; the facade and
// the manager on thread(): reach them only through onThread() or their
// thread-safe requests.
class ConnectedRig
{
public:
    struct Options
    {
        // How long the engine waits for each reply; a silent analyzer costs
        // three of these per command.
        int replyTimeoutMs = 300;
        // Real time between two readings of a run.
        int readingPeriodMs = 30;
        // Sees every line to and from the analyzer (the terminal's log).
        Common::Communication::ILogger* logger = nullptr;
    };

    ConnectedRig();
    explicit ConnectedRig(const Options& options);
    // Disconnects and stops everything; bounded even when the analyzer has
    // gone silent or a wait failed.
    ~ConnectedRig();

    // Connects through the connection manager; true once the controller
    // reports ready.
    bool connectAnalyzer(int timeoutMs = 5000);
    // True once the controller reports no device.
    bool disconnectAnalyzer(int timeoutMs = 5000);
    // True once the controller is ready again (after an operation or a run).
    bool waitReady(int timeoutMs = 5000);

    // The analyzer's current parameter set (slot 0) or a stored slot (1..20),
    // read from or written into the simulator directly.
    DryingSettings deviceSettings(int slotNumber = 0) const;
    void setDeviceSettings(const DryingSettings& settings, int slotNumber = 0);

    AnalyzerSimulator* simulator() { return &m_simulator; }
    SimulatedDryer* device() { return &m_device; }
    SimulatorPtyLink* link() { return &m_link; }
    QThread* thread() { return &m_thread; }
    KD::Communication::NDryer* dryer() { return m_dryer; }
    KD::HLDryerController* controller() { return m_controller.get(); }
    Common::Communication::ConnectionManager* manager() { return m_manager; }
    // The serial port record the rig connects with.
    Common::Communication::ConnectionInfo port() const;
    // The folder that holds the open settings database ("mainDB.db").
    QString databasePath() const { return m_databaseDir.path(); }
    ScopedTestSettings* settings() { return &m_settings; }

private:
    ScopedTestSettings m_settings;
    QTemporaryDir m_databaseDir;
    AnalyzerSimulator m_simulator;
    SimulatedDryer m_device{&m_simulator};
    SimulatorPtyLink m_link{&m_simulator};
    RunningThread m_thread;
    Common::Communication::TargetManager m_targets;
    KD::Communication::NDryer* m_dryer = nullptr;
    Common::Communication::ConnectionManager* m_manager = nullptr;
    std::unique_ptr<KD::HLDryerController> m_controller;
};
