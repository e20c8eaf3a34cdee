#include "communication/ConnectionManager.h"
#include "communication/MacConversions.h"
#include "search/INetworkInterfaceUpdatable.h"
#include "search/INetworkSettingsDialog.h"
#include "search/ModuleConnectionInfo.h"
#include "search/NetworkSettingsChanger.h"
#include "tests/support/AnalyzerSimulator.h"
#include "tests/support/ConnectedRig.h"
#include "tests/support/ModuleSimulator.h"
#include "tests/support/SimulatorTcpModule.h"
#include "ui/IConnectionDailogSilencer.h"

#include <QSemaphore>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

using namespace Common;
using namespace Common::Communication;

namespace {

struct Dialog : INetworkSettingsDialog
{
    void addStep(const QString& name) override { steps << name; }
    void setStepResult(bool ok, const QString& details) override
    {
        results << (ok ? "ok" : "fail:" + details);
        if (onResult)
            onResult();
    }
    void setSummary(const QString& text) override { summary = text; }
    void enableClose() override { closeEnabled = true; }
    void clearSteps() override { steps.clear(); }
    QStringList steps;
    QStringList results;
    QString summary;
    bool closeEnabled = false;
    std::function<void()> onResult;
};

struct Silencer : IConnectionDailogSilencer
{
    void setSilent(bool on) override { calls << on; }
    QList<bool> calls;
};

struct Updatable : INetworkInterfaceUpdatable
{
    void updateNetworkInterface(const ConnectionInfo& old, const DevNetworkInterface& s) override
    {
        keys << old;
        settings << s;
    }
    QList<ConnectionInfo> keys;
    QList<DevNetworkInterface> settings;
};

} // namespace

// A Tibbo module on loopback with an analyzer behind it; the change goes
// through the program's own connection manager and analyzer facade.
class TestNetworkSettingsChanger : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ConnectedRig> m_rig;
    std::unique_ptr<AnalyzerSimulator> m_analyzer;
    std::unique_ptr<SimulatorTcpModule> m_tcp;
    std::unique_ptr<ModuleSimulator> m_module;
    std::unique_ptr<NetworkSettingsChanger> m_changer;
    Dialog m_dialog;
    Silencer m_silencer;
    Updatable m_updatable;
    QUdpSocket m_unused;
    QSemaphore m_hold;

    // The module as the search found it: a static address and a TCP port
    // that is not the analyzer's.
    DevNetworkInterface current() const
    {
        DevNetworkInterface s;
        s.setUdpPort(m_module->port());
        s.setHostIp(QHostAddress("127.0.0.1"));
        s.setHostNetmask(0xff000000);
        s.setDeviceIp(QHostAddress("127.0.0.1"));
        s.setNetmask(QHostAddress("255.0.0.0"));
        s.setGateway(QHostAddress("127.0.0.254"));
        s.setMac(m_module->mac);
        s.setRoutingMode(1);
        s.setRemoteIp(QHostAddress("127.0.0.1"));
        s.setTransportProtocol(1);
        s.setPort(m_module->port_);
        s.setValid(true);
        return s;
    }

    DevNetworkInterface desired() const
    {
        DevNetworkInterface s = current();
        s.setPort(m_tcp->port());
        s.setGateway(QHostAddress("127.0.0.253"));
        return s;
    }

    bool run(const DevNetworkInterface& from, const DevNetworkInterface& to, int timeoutMs = 15000)
    {
        QSignalSpy finished(m_changer.get(), &NetworkSettingsChanger::finished);
        if (!m_changer->changeSettings(from, to, &m_dialog))
            return false;
        return QTest::qWaitFor([&] { return !finished.isEmpty(); }, timeoutMs)
               && finished.first().first().toBool();
    }

private slots:
    void initTestCase() { QVERIFY(m_unused.bind(QHostAddress(QHostAddress::LocalHost), 0)); }

    void init()
    {
        m_rig = std::make_unique<ConnectedRig>();
        m_analyzer = std::make_unique<AnalyzerSimulator>();
        m_tcp = std::make_unique<SimulatorTcpModule>(m_analyzer.get());
        QVERIFY(m_tcp->listen());
        m_module = std::make_unique<ModuleSimulator>(ModuleSimulator::Tibbo, QHostAddress::AnyIPv4);
        m_changer =
            std::make_unique<NetworkSettingsChanger>(m_rig->manager(), &m_silencer, nullptr);
        m_changer->setUpdatable(&m_updatable);
        ModuleEndpoints endpoints;
        endpoints.tibbo = m_module->port();
        endpoints.esp = endpoints.espBroadcast = m_unused.localPort();
        endpoints.broadcast = QHostAddress("127.255.255.255");
        m_changer->setModuleEndpoints(endpoints);
        m_dialog = Dialog();
        m_silencer = Silencer();
        m_updatable = Updatable();
    }

    void cleanup()
    {
        m_hold.release(m_hold.available() == 0 ? 1 : 0);
        m_changer.reset();
        m_rig.reset();
        m_module.reset();
        m_tcp.reset();
        m_analyzer.reset();
    }

    // Written in order, read back after the restart, equal to what was asked,
    // and the analyzer behind the module answers with the new settings.
    void changesReadsBackAndConnects()
    {
        const DevNetworkInterface before = current();
        QVERIFY(run(before, desired()));
        const QString port = QString::number(m_tcp->port());
        const int written = m_module->received.indexOf("SRM0");
        QVERIFY(written > 0);
        QCOMPARE(m_module->received.mid(written, 10),
                 (QStringList{"SRM0", "SDI127.0.0.1", "SPN" + port, "SDP" + port, "SDH0",
                              "SIP127.0.0.1", "SGI127.0.0.253", "SNM255.0.0.0", "E",
                              QString("W" + dottedMacFromU64(m_module->mac))}));
        QCOMPARE(m_dialog.steps,
                 (QStringList{"Changing device's network settings",
                              "Trying to connect to the device with new settings"}));
        QCOMPARE(m_dialog.results, (QStringList{"ok", "ok"}));
        QCOMPARE(m_dialog.summary,
                 QString("Settings changed successfully, and connected successfully."));
        QVERIFY(m_dialog.closeEnabled);
        QCOMPARE(m_silencer.calls, (QList<bool>{true, false}));
        // The search page's row follows the device to its new settings.
        QCOMPARE(m_updatable.keys.first(), makeConnectionInfo(before));
        QCOMPARE(m_updatable.settings.first().port(), m_tcp->port());
        QVERIFY(m_tcp->hasClient());
    }

    // A module that confirms the reboot before it restarts goes on to the
    // read-back all the same.
    void acknowledgedRebootGoesOn()
    {
        m_module->acknowledgeReboot = true;
        QVERIFY(run(current(), desired()));
        QCOMPARE(m_module->reboots, 1);
    }

    // A module that never answers: the write fails at once and the old
    // settings are tried, which reach the analyzer.
    void silentModuleFallsBackToTheOldSettings()
    {
        m_module->silent = true;
        DevNetworkInterface old = current();
        old.setPort(m_tcp->port());
        QVERIFY(!run(old, desired()));
        QCOMPARE(m_dialog.results.first(), QString("fail:Command timed out"));
        QCOMPARE(m_dialog.steps.last(),
                 QString("Trying to connect to the device with old settings"));
        QCOMPARE(m_dialog.summary,
                 QString("Failed to change settings, connected successfully using old settings."));
        QCOMPARE(m_module->received, QStringList{"L"});
    }

    // The connection manager busy with another request: the change ends
    // with its failure instead of waiting for an answer that never comes.
    void refusedConnectEndsTheChange()
    {
        m_dialog.onResult = [&] {
            if (m_dialog.results.size() != 1)
                return;
            QMetaObject::invokeMethod(
                m_rig->manager(), [this] { m_hold.acquire(); }, Qt::QueuedConnection);
            QVERIFY(m_rig->manager()->requestConnect(m_rig->port(), 0));
        };
        QVERIFY(!run(current(), desired()));
        m_hold.release();
        QCOMPARE(m_dialog.summary, QString("Failed to connect."));
        QCOMPARE(m_dialog.results.last(), QString("fail:"));
        QCOMPARE(m_changer->state(), int(NetworkSettingsChanger::Finished));
    }
};

QTEST_MAIN(TestNetworkSettingsChanger)
#include "tst_networksettingschanger.moc"
