#include "communication/SystemSerialPortLister.h"
#include "search/SearchEngine.h"
#include "search/SearchHolder.h"
#include "tests/support/AnalyzerSimulator.h"
#include "tests/support/FixedSerialPortLister.h"
#include "tests/support/OnThread.h"
#include "tests/support/ProbeSearchInfo.h"
#include "tests/support/SimulatorPtyLink.h"

#include <QSerialPort>
#include <QtTest>

#include <memory>

using namespace Common;
using namespace Common::Communication;

namespace {

const QString missingPort = QStringLiteral("/dev/sorvana-no-such-port");

// What the engine tells the page, received on the test's thread as the page
// receives it (queued).
class PageSide : public QObject
{
public:
    explicit PageSide(SearchEngine* engine)
    {
        connect(engine, &SearchEngine::progressChanged, this, [this](int p) { progress << p; });
        connect(engine, &SearchEngine::newLogLine, this, [this](QString l) { log << l; });
        connect(engine, &SearchEngine::searchingFinished, this, [this] { ++finished; });
        connect(engine, &SearchEngine::newDeviceFound, this, [this] { ++found; });
    }
    bool rising() const { return std::is_sorted(progress.cbegin(), progress.cend()); }
    QVector<int> progress;
    QStringList log;
    int finished = 0;
    int found = 0;
};

// An analyzer that answers only at 9600, a silent one and a missing port.
struct Rig
{
    explicit Rig(bool withMissing = true)
    {
        QVERIFY(analyzerLink.open());
        QVERIFY(silentLink.open());
        analyzerLink.setOnlyBaudRate(9600);
        silent.setSilent(true);
        ports.add(analyzerLink.slavePath());
        ports.add(silentLink.slavePath(), QStringLiteral("Serial"), QStringLiteral("FTDI"));
        if (withMissing)
            ports.add(missingPort);
        holder.reset(new SearchHolder(&info, nullptr, nullptr, nullptr));
        holder->serialSearch()->setPortLister(&ports);
        holder->serialSearch()->setProbeTimings({150, 100});
        page.reset(new PageSide(holder->searchEngine()));
    }
    void search()
    {
        Common::SearchEngine* engine = holder->searchEngine();
        QMetaObject::invokeMethod(
            engine, [engine] { engine->search(true, false); }, Qt::QueuedConnection);
    }
    // Every port thread has ended and every report has arrived.
    bool settled()
    {
        if (!QTest::qWaitFor([&] { return holder->serialSearch()->runningPortSearches() == 0; },
                             15000))
            return false;
        QCoreApplication::processEvents();
        onThread(holder->searchEngine(), [] {});
        QCoreApplication::processEvents();
        return true;
    }

    ProbeSearchInfo info;
    AnalyzerSimulator analyzer;
    AnalyzerSimulator silent;
    SimulatorPtyLink analyzerLink{&analyzer};
    SimulatorPtyLink silentLink{&silent};
    FixedSerialPortLister ports;
    // The page outlives the search: the engine is deleted on the search
    // thread, which has ended before the page lets go of its connections.
    std::unique_ptr<PageSide> page;
    std::unique_ptr<SearchHolder> holder;
};

} // namespace

class TestSerialSearch : public QObject
{
    Q_OBJECT

private slots:
    void extraPortsFromTheEnvironment()
    {
        qputenv(SystemSerialPortLister::kExtraPortsVariable, "/dev/pts/7::/dev/pts/9");
        const QVector<SerialPortEntry> ports = SystemSerialPortLister().availablePorts();
        qunsetenv(SystemSerialPortLister::kExtraPortsVariable);
        QVERIFY(ports.size() >= 2);
        QCOMPARE(ports[ports.size() - 2].portName, QStringLiteral("/dev/pts/7"));
        QCOMPARE(ports.last().portName, QStringLiteral("/dev/pts/9"));
    }

    void findsTheAnalyzerAtItsRateAmongFailingPorts()
    {
        Rig rig;
        rig.search();
        QTRY_COMPARE_WITH_TIMEOUT(rig.page->finished, 1, 15000);
        QVERIFY(rig.settled());
        QCOMPARE(rig.page->finished, 1);
        QVERIFY(rig.page->rising());
        QCOMPARE(rig.page->progress.first(), 0);
        QCOMPARE(rig.page->progress.last(), 100);

        const auto devices = rig.holder->searchEngine()->foundDevices();
        QCOMPARE(devices.size(), 1);
        QCOMPARE(rig.page->found, 1);
        QCOMPARE(devices[0].deviceInfo.model, QStringLiteral("WAG-50"));
        QCOMPARE(devices[0].deviceInfo.serialNumber, QStringLiteral("SN 00123"));
        QCOMPARE(devices[0].connectionInfo.serialPart().portName, rig.analyzerLink.slavePath());
        QCOMPARE(devices[0].connectionInfo.serialPart().baudRate, 9600);
        // 115200 was tried first and got no answer.
        QCOMPARE(rig.analyzer.receivedLines(), QByteArrayList({"SJ", "SJ", "SW9"}));

        const QStringList& log = rig.page->log;
        const QString a = rig.analyzerLink.slavePath();
        const QString s = rig.silentLink.slavePath();
        QVERIFY(log.contains("Searching via serial ports..."));
        QVERIFY(log.contains(
            QStringLiteral("Ports to be used during search: %1, %2, %3").arg(a, s, missingPort)));
        // The port names itself without "/dev/".
        QVERIFY(log.contains(a.mid(5) + " (,9600): WAG-50 | SN 00123 | 2024-04-12 | v2.07"));
        QCOMPARE(log.count(missingPort + " (): Could not open port"), 2);
        QCOMPARE(log.count(missingPort + " (): No device found"), 1);
        QCOMPARE(log.count(s + " (FTDI): No device found"), 1);
        QVERIFY(!log.contains(a + " (): No device found"));
    }

    void stopDuringATryEndsThePortWithStopped()
    {
        Rig rig(false);
        rig.search();
        // The silent port's first try is under way.
        QTRY_VERIFY_WITH_TIMEOUT(rig.silent.receivedLines().size() >= 1, 5000);
        QMetaObject::invokeMethod(rig.holder->searchEngine(), &Common::SearchEngine::stopSearching,
                                  Qt::QueuedConnection);
        QTRY_COMPARE_WITH_TIMEOUT(rig.page->finished, 1, 15000);
        QVERIFY(rig.settled());
        QCOMPARE(rig.page->finished, 1);
        QCOMPARE(rig.page->progress.last(), 100);
        QVERIFY(rig.page->log.contains(rig.silentLink.slavePath() + " (FTDI): Stopped"));
        QVERIFY(!rig.page->log.contains(rig.silentLink.slavePath() + " (FTDI): No device found"));
        // The try under way completed (the echo and its two resends); the
        // one at 9600 never began.
        QCOMPARE(rig.silent.receivedLines(), QByteArrayList({"SJ", "SJ", "SJ"}));
    }

    void secondSearchStartsFreshAndLeavesNoThreads()
    {
        Rig rig(false);
        QSignalSpy serialProgress(rig.holder->serialSearch(), &COMSearch::progress);
        rig.search();
        QTRY_COMPARE_WITH_TIMEOUT(rig.page->finished, 1, 15000);
        QVERIFY(rig.settled());
        // The end is told once: a late second 100 would end the next search.
        QCOMPARE(std::count_if(serialProgress.cbegin(), serialProgress.cend(),
                               [](const QList<QVariant>& args) { return args[0] == 100; }),
                 1);
        rig.page->progress.clear();
        rig.search();
        QTRY_COMPARE_WITH_TIMEOUT(rig.page->finished, 2, 15000);
        QVERIFY(rig.settled());
        QCOMPARE(rig.page->finished, 2);
        QCOMPARE(rig.page->progress.first(), 0);
        QVERIFY(rig.page->rising());
        QCOMPARE(rig.holder->searchEngine()->foundDevices().size(), 1);
        QCOMPARE(rig.page->found, 2);
    }

    // Closing ends every port's search and waits for its thread, which lets
    // go of its port: the port under a try opens again at once (a port held
    // open would refuse, since a serial port is opened for one user alone).
    void closingDuringASearchJoinsThePortThreads()
    {
        Rig rig;
        rig.search();
        QTRY_VERIFY_WITH_TIMEOUT(rig.silent.receivedLines().size() >= 1, 5000);
        rig.holder.reset();
        QSerialPort port(rig.silentLink.slavePath());
        QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
    }
};

QTEST_GUILESS_MAIN(TestSerialSearch)
#include "tst_serialsearch.moc"
