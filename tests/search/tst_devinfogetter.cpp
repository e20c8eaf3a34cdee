#include "communication/CommandDevInfo.h"
#include "communication/ILogger.h"
#include "search/AsyncDevInfoGetter.h"
#include "tests/support/AnalyzerSimulator.h"
#include "tests/support/ProbeSearchInfo.h"
#include "tests/support/SimulatorPtyLink.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace Common::Communication;

namespace {

// An identification that fails on the line "ERR".
class FailingInfo : public CommandDevInfo
{
public:
    bool handleLine(QString line) override
    {
        if (line == QLatin1String("ERR"))
            setFailed();
        setFinished();
        return true;
    }
    QString text() override { return QStringLiteral("SW9\r\n"); }
    DeviceInfo deviceInfo() override { return {}; }
    bool hasDeviceInfo() override { return false; }
};

class FailingInfoCreator : public ProbeSearchInfo
{
public:
    Command* createInfoCommand(int) override { return new FailingInfo(); }
};

struct ReceivedText : public ILogger
{
    void received(QString, QDateTime, QString text) override { all += text; }
    void sent(QString, QDateTime, QString) override { }
    QString all;
};

// One probe of a simulated analyzer on a pty: echo 150 ms, success 300 ms
// after the identification.
struct Probe
{
    explicit Probe(ISearchCommandCreator* creator = nullptr)
        : creator(creator ? creator : &info), opened(link.open()), getter(makeGetter()),
          finished(getter.get(), &AsyncDevInfoGetter::finished)
    {
        getter->setTimings({150, 300});
    }
    std::unique_ptr<AsyncDevInfoGetter> makeGetter()
    {
        ConnectionInfo target;
        target.setSerialPart({link.slavePath(), 9600, QStringLiteral("pty")});
        return std::make_unique<AsyncDevInfoGetter>(creator, &log, 0, target);
    }
    // Starts the probe and waits for its end: 1 success, 0 failure, -1 none.
    int run()
    {
        getter->start();
        if (!QTest::qWaitFor([&] { return !finished.isEmpty(); }, 10000))
            return -1;
        return finished.first().first().toBool() ? 1 : 0;
    }
    int result() const { return getter->result(); }

    ProbeSearchInfo info;
    ISearchCommandCreator* creator;
    AnalyzerSimulator sim;
    SimulatorPtyLink link{&sim};
    bool opened;
    ReceivedText log;
    std::unique_ptr<AsyncDevInfoGetter> getter;
    QSignalSpy finished;
};

} // namespace

class TestDevInfoGetter : public QObject
{
    Q_OBJECT

private slots:
    void portThatCannotBeOpened()
    {
        ProbeSearchInfo info;
        ConnectionInfo target;
        target.setSerialPart({QStringLiteral("/dev/sorvana-no-such-port"), 9600, {}});
        AsyncDevInfoGetter getter(&info, nullptr, 0, target);
        QSignalSpy finished(&getter, &AsyncDevInfoGetter::finished);
        getter.start();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toBool(), false);
        QCOMPARE(getter.result(), int(AsyncDevInfoGetter::NotOpened));
    }

    void anyReplyPassesTheFirstEchoAndSuccessWaits()
    {
        Probe probe;
        QVERIFY(probe.opened);
        int echoes = 0;
        probe.sim.setCommand(
            "SJ", [&](const QByteArray&) { probe.sim.reply(++echoes == 1 ? "ZZ" : "MJ"); });
        QElapsedTimer sinceInfo;
        connect(&probe.sim, &AnalyzerSimulator::lineReceived, this, [&](const QByteArray& line) {
            if (line == "SW9")
                sinceInfo.start();
        });
        QCOMPARE(probe.run(), 1);
        QVERIFY(sinceInfo.elapsed() >= 300);
        QCOMPARE(probe.sim.receivedLines(), QByteArrayList({"SJ", "SJ", "SW9"}));
        QCOMPARE(probe.getter->deviceInfo().model, QStringLiteral("WAG-50"));
        QCOMPARE(probe.getter->deviceInfo().firmware, QStringLiteral("v2.07"));
        QCOMPARE(probe.getter->connectionInfo().serialPart().baudRate, 9600);
        QVERIFY(probe.getter->interfaceDescription().endsWith(QStringLiteral("(pty,9600)")));
        QVERIFY(probe.log.all.contains(QStringLiteral("MJ")));
    }

    void echoFailures_data()
    {
        QTest::addColumn<QByteArray>("echoReply"); // "" = silent
        QTest::addColumn<QByteArrayList>("sent");
        QTest::newRow("no reply") << QByteArray() << QByteArrayList{"SJ", "SJ", "SJ"};
        QTest::newRow("second echo not MJ") << QByteArray("ZZ") << QByteArrayList{"SJ", "SJ"};
    }

    void echoFailures()
    {
        QFETCH(QByteArray, echoReply);
        Probe probe;
        QVERIFY(probe.opened);
        probe.sim.setCommand("SJ", [&](const QByteArray&) {
            if (!echoReply.isEmpty())
                probe.sim.reply(echoReply);
        });
        QCOMPARE(probe.run(), 0);
        QCOMPARE(probe.result(), int(AsyncDevInfoGetter::NoAnswerToEcho));
        QTEST(probe.sim.receivedLines(), "sent");
    }

    void identificationFailures()
    {
        {
            FailingInfoCreator creator;
            Probe failed(&creator);
            QVERIFY(failed.opened);
            failed.sim.setCommand("SW9", [&](const QByteArray&) { failed.sim.reply("ERR"); });
            QCOMPARE(failed.run(), 0);
            QCOMPARE(failed.result(), int(AsyncDevInfoGetter::NoAnswerToInfo));
        }
        {
            // Unanswered: the engine's 2000 ms and two resends, incomplete.
            Probe silent;
            QVERIFY(silent.opened);
            silent.sim.removeCommand("SW9");
            silent.sim.setIgnoreUnknown(true);
            QCOMPARE(silent.run(), 0);
            QCOMPARE(silent.result(), int(AsyncDevInfoGetter::NoParticularReason));
            QCOMPARE(silent.sim.receivedLines().count("SW9"), 3);
        }
    }

    void interfaceLostBeforeSuccessIsReported()
    {
        Probe probe;
        QVERIFY(probe.opened);
        probe.getter->setSuccessDelay(1000);
        probe.getter->start();
        // The identification is in; the cable goes within the second.
        QTRY_VERIFY_WITH_TIMEOUT(probe.log.all.contains(QStringLiteral("v2.07")), 5000);
        probe.link.close();
        QTRY_COMPARE_WITH_TIMEOUT(probe.finished.count(), 1, 5000);
        QCOMPARE(probe.finished.first().first().toBool(), false);
        QCOMPARE(probe.result(), int(AsyncDevInfoGetter::NoParticularReason));
        // Nothing is left to report a second time.
        const auto timers =
            probe.getter->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly);
        for (const QTimer* timer : timers)
            QVERIFY(!timer->isActive());
        QCoreApplication::processEvents();
        QCOMPARE(probe.finished.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestDevInfoGetter)
#include "tst_devinfogetter.moc"
