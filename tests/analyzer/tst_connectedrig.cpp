// The shared connected rig: the controller reaches the simulated analyzer
// through the connection manager, and a disconnect lets go of it even in the
// middle of a run or of a command it does not answer.
#include "analyzer/HLDryerController.h"
#include "settings/ISettingNotifiable.h"
#include "settings/DryerDB.h"

#include "tests/support/ConnectedRig.h"
#include "tests/support/DryingSettingsFixtures.h"

#include <QtTest>

namespace {
struct Requester : KD::ISettingNotifiable
{
    void settingsChanged() override { ++calls; }
    int calls = 0;
};

// Far beyond what a disconnect takes: a wait that ends here means the rig
// did not let go.
const int letGoWaitMs = 20000;
} // namespace

class TestConnectedRig : public QObject
{
    Q_OBJECT

private slots:
    void readsTheSimulatorAndStopsDuringARun()
    {
        ConnectedRig rig;
        QVERIFY(rig.connectAnalyzer());
        QVERIFY(DryerDB::saveSetting("stored", fastSettings()));
        QCOMPARE(DryerDB::settingNames(), QStringList{"stored"});

        rig.setDeviceSettings(stepSettings());
        rig.setDeviceSettings(fastSettings(), 3);
        QCOMPARE(rig.deviceSettings(3), fastSettings());
        Requester requester;
        QVERIFY(rig.controller()->loadSettings(&requester));
        QTRY_COMPARE(requester.calls, 1);
        QVERIFY(rig.controller()->lastLoadOk());
        QCOMPARE(rig.controller()->currentSettings(), stepSettings());

        QVERIFY(rig.waitReady());
        QSignalSpy results(rig.controller(), &KD::HLDryerController::result);
        QVERIFY(rig.controller()->startDrying());
        QTRY_VERIFY(results.count() >= 3);
        // The run never ends by itself: only a disconnect that does not wait
        // for it lets go.
        QVERIFY(rig.disconnectAnalyzer(letGoWaitMs));
    }

    // A command waiting on the silent analyzer does not hold the disconnect:
    // its time-out is further away than the wait for the disconnect.
    void silentAnalyzerStillLetsGo()
    {
        ConnectedRig::Options options;
        options.replyTimeoutMs = 10 * letGoWaitMs;
        ConnectedRig rig(options);
        QVERIFY(rig.connectAnalyzer());
        rig.simulator()->setSilent(true);
        Requester requester;
        QVERIFY(rig.controller()->loadSettings(&requester));
        QVERIFY(rig.disconnectAnalyzer(letGoWaitMs));
    }
};

QTEST_MAIN(TestConnectedRig)
#include "tst_connectedrig.moc"
