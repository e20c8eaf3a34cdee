// The shared connected rig: the controller reaches the simulated analyzer
// through the connection manager, and the rig lets go promptly even in the
// middle of a run.
#include "analyzer/HLDryerController.h"
#include "settings/ISettingNotifiable.h"
#include "settings/DryerDB.h"

#include "tests/support/ConnectedRig.h"
#include "tests/support/DryingSettingsFixtures.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {
struct Requester : KD::ISettingNotifiable
{
    void settingsChanged() override { ++calls; }
    int calls = 0;
};
} // namespace

class TestConnectedRig : public QObject
{
    Q_OBJECT

private slots:
    void readsTheSimulatorAndStopsDuringARun()
    {
        QElapsedTimer shutdown;
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
            shutdown.start();
        }
        QVERIFY2(shutdown.elapsed() < 2000, qPrintable(QString::number(shutdown.elapsed())));
    }

    void silentAnalyzerStillLetsGo()
    {
        QElapsedTimer shutdown;
        {
            ConnectedRig rig;
            QVERIFY(rig.connectAnalyzer());
            rig.simulator()->setSilent(true);
            Requester requester;
            QVERIFY(rig.controller()->loadSettings(&requester));
            shutdown.start();
        }
        QVERIFY2(shutdown.elapsed() < 4000, qPrintable(QString::number(shutdown.elapsed())));
    }
};

QTEST_MAIN(TestConnectedRig)
#include "tst_connectedrig.moc"
