#include "search/COMSearch.h"
#include "search/NetworkSearch.h"
#include "search/SearchEngine.h"
#include "tests/support/FixedSerialPortLister.h"
#include "tests/support/ProbeSearchInfo.h"

#include <QSignalSpy>
#include <QtTest>

using namespace Common;
using namespace Common::Communication;

namespace {

// The engine over a serial search with no ports, all on the test's thread.
struct Engine
{
    Engine()
    {
        serial.setPortLister(&noPorts);
        engine.setNetworkAvailable(true);
        // The network part broadcasts from no interface and never ends by
        // itself: the tests report its progress in its place.
        network.moduleSearch().setInterfaceLister([] { return QList<NetworkInterfaceInfo>(); });
        network.setTimings(3600 * 1000, 80, 1000);
    }
    QVector<int> progressValues() const
    {
        QVector<int> values;
        for (const auto& args : progress)
            values << args.first().toInt();
        return values;
    }

    ProbeSearchInfo info;
    FixedSerialPortLister noPorts;
    COMSearch serial{&info, nullptr};
    NetworkSearch network{&info, nullptr, nullptr, nullptr};
    SearchEngine engine{&serial, &network};
    QSignalSpy progress{&engine, &SearchEngine::progressChanged};
    QSignalSpy finished{&engine, &SearchEngine::searchingFinished};
    QSignalSpy log{&engine, &SearchEngine::newLogLine};
};

} // namespace

class TestSearchEngine : public QObject
{
    Q_OBJECT

private slots:
    void searchWithBothPartsIgnoredEnds()
    {
        Engine e;
        e.engine.search(true, true);
        QCOMPARE(e.progressValues(), QVector<int>({0, 100}));
        QCOMPARE(e.finished.count(), 1);
    }

    void serialSearchRunsWhenTheNetworkIsUnavailable()
    {
        Engine e;
        e.engine.setNetworkAvailable(false);
        e.engine.search(false, true); // a stored "Network;" only
        QTRY_COMPARE(e.finished.count(), 1);
        QCOMPARE(e.progressValues(), QVector<int>({0, 100}));
        QCOMPARE(e.log.first().first().toString(), QStringLiteral("No serial ports found."));
    }

    void progressOfBothParts()
    {
        Engine e;
        e.engine.search(false, false);
        emit e.network.progress(100);
        emit e.serial.progress(40);
        QCOMPARE(e.progressValues(), QVector<int>({0, 50, 70}));
        QCOMPARE(e.finished.count(), 0);
        emit e.serial.progress(100);
        emit e.serial.progress(60); // after its end: ignored
        QCOMPARE(e.progressValues().last(), 100);
        QCOMPARE(e.finished.count(), 1);
        QCOMPARE(e.progress.count(), 4);
        QCoreApplication::processEvents(); // the queued serial start reports its own 100
        QCOMPARE(e.finished.count(), 1);
    }

    void foundDevicesAreListedPerReportAndClearedBySearch()
    {
        Engine e;
        DeviceConnectionInfo device;
        device.deviceInfo.model = QStringLiteral("WAG-50");
        emit e.serial.deviceFound(QVariant::fromValue(device));
        emit e.network.deviceFound(QVariant::fromValue(device));
        QCOMPARE(e.engine.foundDevices().size(), 2);
        e.engine.search(true, true);
        QVERIFY(e.engine.foundDevices().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSearchEngine)
#include "tst_searchengine.moc"
