#include "tests/support/ConnectedRig.h"

#include "analyzer/CommandCodes.h"
#include "analyzer/HLDryerController.h"
#include "analyzer/NDryer.h"
#include "analyzer/SettingsCodec.h"
#include "communication/ConnectionManager.h"
#include "settings/DryerDB.h"
#include "tests/support/OnThread.h"

#include <QDebug>
#include <QTest>

using Common::Communication::ConnectionInfo;
using Common::Communication::ConnectionManager;
namespace Code = KD::Communication::Code;

namespace {

// The device type the program gives the analyzer.
const int analyzerType = 0;
// The longest a shutdown waits for the analyzer to let go.
const int shutdownWaitMs = 2000;

// The set and load codes of a simulator parameter index.
int setCode(int index)
{
    return index <= SimulatedDryer::Profile ? Code::SetMainTemperature + index
                                            : Code::SetSlowTime + index - SimulatedDryer::SlowTime;
}

int loadCode(int index)
{
    return index <= SimulatedDryer::Profile ? Code::LoadMainTemperature + index
                                            : Code::LoadSlowTime + index - SimulatedDryer::SlowTime;
}

} // namespace

ConnectedRig::ConnectedRig() : ConnectedRig(Options()) { }

ConnectedRig::ConnectedRig(const Options& options)
{
    m_device.setReadingPeriod(options.readingPeriodMs);
    if (!m_link.open())
        qWarning() << "ConnectedRig: no pty pair";
    if (!m_databaseDir.isValid() || !DryerDB::CreateDBsIfNeeded(m_databaseDir.path()))
        qWarning() << "ConnectedRig: no settings database";

    m_dryer = new KD::Communication::NDryer(&m_thread);
    const int replyTimeout = options.replyTimeoutMs;
    onThread(m_dryer, [this, replyTimeout] { m_dryer->engine()->setReplyTimeout(replyTimeout); });
    m_targets.setTarget(analyzerType, m_dryer->engine());
    m_manager = new ConnectionManager(&m_targets, nullptr, options.logger, &m_thread);
    m_controller = std::make_unique<KD::HLDryerController>(m_dryer);
}

ConnectedRig::~ConnectedRig()
{
    if (m_controller->isConnected()) {
        // A pending request refuses a second one; the engine then goes directly.
        if (!m_manager->requestDisconnect())
            m_dryer->engine()->requestDisconnect();
        // Teardown goes on either way: a test that needs the disconnect checks it.
        static_cast<void>(
            QTest::qWaitFor([this] { return !m_controller->isConnected(); }, shutdownWaitMs));
    }
    m_controller.reset();
    onThread(m_manager, [this] { delete m_manager; });
    onThread(m_dryer, [this] { delete m_dryer; });
    DryerDB::close();
}

ConnectionInfo ConnectedRig::port() const
{
    Common::Communication::SerialConnectionPart part;
    part.portName = m_link.slavePath();
    part.baudRate = 9600;
    ConnectionInfo info;
    info.setSerialPart(part);
    return info;
}

bool ConnectedRig::connectAnalyzer(int timeoutMs)
{
    if (!m_manager->requestConnect(port(), analyzerType)) {
        qWarning() << "ConnectedRig: the connection manager is busy";
        return false;
    }
    return waitReady(timeoutMs);
}

bool ConnectedRig::disconnectAnalyzer(int timeoutMs)
{
    if (!m_manager->requestDisconnect())
        return false;
    if (QTest::qWaitFor([this] { return !m_controller->isConnected(); }, timeoutMs))
        return true;
    qWarning() << "ConnectedRig: still connected, controller state" << m_controller->state();
    return false;
}

bool ConnectedRig::waitReady(int timeoutMs)
{
    if (QTest::qWaitFor([this] { return m_controller->isReady(); }, timeoutMs))
        return true;
    qWarning() << "ConnectedRig: not ready, controller state" << m_controller->state();
    return false;
}

DryingSettings ConnectedRig::deviceSettings(int slotNumber) const
{
    DryingSettings settings;
    for (int i = 0; i < SimulatedDryer::ParameterCount; ++i) {
        const QByteArray text =
            slotNumber == 0 ? m_device.parameter(i) : m_device.slotParameter(slotNumber, i);
        KD::Communication::decodeSetting(settings, loadCode(i), text.toInt());
    }
    return settings;
}

void ConnectedRig::setDeviceSettings(const DryingSettings& settings, int slotNumber)
{
    for (int i = 0; i < SimulatedDryer::ParameterCount; ++i) {
        const QByteArray text =
            QByteArray::number(KD::Communication::encodeSetting(settings, setCode(i)));
        if (slotNumber == 0)
            m_device.setParameter(i, text);
        else
            m_device.setSlotParameter(slotNumber, i, text);
    }
}
