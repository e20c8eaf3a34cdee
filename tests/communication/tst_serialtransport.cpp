#include "communication/CRS232.h"
#include "communication/CommandEchoSJ.h"
#include "communication/CommandSW9.h"
#include "communication/CommnadEngine.h"
#include "communication/ILineHandler.h"
#include "tests/support/AnalyzerSimulator.h"
#include "tests/support/SimulatorPtyLink.h"

#include <QSignalSpy>
#include <QtTest>

using namespace Common::Communication;

namespace {

struct Lines : public ILineHandler
{
    QStringList lines;
    bool handleLine(QString line) override
    {
        lines << line;
        return true;
    }
};

// A simulated analyzer on a pty, and the program's engine on the slave side.
struct Bench
{
    Bench()
    {
        QVERIFY(link.open());
        port = new CRS232(link.slavePath(), 9600, "pty");
        engine.setInterface(port);
        engine.setLineHandler(&handler);
    }
    int run(Command* command, int timeout = 1000)
    {
        finished.clear();
        engine.execute(command, nullptr, timeout);
        if (!QTest::qWaitFor([&] { return !finished.isEmpty(); }, 5000))
            return 0;
        return finished.first().first().toInt();
    }
    AnalyzerSimulator sim;
    SimulatorPtyLink link{&sim};
    CRS232* port = nullptr;
    CommnadEngine engine;
    Lines handler;
    QSignalSpy finished{&engine, &CommnadEngine::commandFinished};
};

} // namespace

class TestSerialTransport : public QObject
{
    Q_OBJECT

private slots:
    void descriptionAndClone()
    {
        CRS232 port("COM3", 9600, "USB Serial");
        QCOMPARE(port.description(), QStringLiteral("COM3 (USB Serial,9600)"));
        std::unique_ptr<CInterface> copy(port.clone(nullptr));
        QCOMPARE(copy->description(), port.description());
        port.setBaudRate(115200);
        QCOMPARE(port.baudRate(), 115200);
    }

    void openReportsEachOutcome()
    {
        CRS232 missing("/dev/does-not-exist", 9600, "");
        QSignalSpy states(&missing, &CInterface::stateChanged);
        QVERIFY(!missing.open());
        QVERIFY(!missing.open());
        QCOMPARE(states.count(), 2);
        QCOMPARE(states.at(1).at(0).toInt(), 2);
        QVERIFY(!missing.writeLine("SJ\r\n"));

        Bench bench;
        QSignalSpy opened(bench.port, &CInterface::stateChanged);
        QVERIFY(bench.engine.openInterface());
        QCOMPARE(opened.takeFirst().at(0).toInt(), 1);
        QCOMPARE(bench.link.slaveBaudRate(), 9600);
        QVERIFY(bench.port->open());
        QCOMPARE(opened.takeFirst().at(0).toInt(), 1);
        QVERIFY(bench.port->close());
        QCOMPARE(opened.takeFirst().at(0).toInt(), 2);
    }

    void unpluggedPortReportsDisconnection()
    {
        Bench bench;
        QSignalSpy failed(&bench.engine, &CommnadEngine::interfaceFailed);
        QVERIFY(bench.engine.openInterface());
        bench.link.close();
        QTRY_COMPARE(failed.count(), 1);
        QVERIFY(!bench.port->writeLine("SJ\r\n"));
    }

    void echoAndIdentificationOverThePty()
    {
        Bench bench;
        QVERIFY(bench.engine.openInterface());
        QCOMPARE(bench.run(new CommandEchoSJ), 1);
        auto* identify = new CommandSW9;
        QCOMPARE(bench.run(identify), 1);
        QCOMPARE(identify->deviceInfo().model, QStringLiteral("WAG-50"));
        QCOMPARE(identify->deviceInfo().serialNumber, QStringLiteral("SN 00123"));
        QCOMPARE(bench.sim.receivedLines(), (QByteArrayList{"SJ", "SW9"}));
    }

    void directReadsTakeEveryByte()
    {
        // A firmware upload reads the port itself, beside the engine.
        Bench bench;
        QVERIFY(bench.engine.openInterface());
        bench.engine.stopReading();
        QVERIFY(!bench.port->waitForReadyRead(50));
        bench.sim.sendRaw(QByteArray("f1\0junk", 7));
        // A wait that timed out before must not spoil the next one.
        QByteArray got;
        while (got.size() < 7 && bench.port->waitForReadyRead(1000)) {
            QByteArray part;
            const int count = bench.port->readAllBytes(part);
            QCOMPARE(count, part.size());
            got += part;
        }
        QCOMPARE(got, QByteArray("f1\0junk", 7));

        QString text;
        bench.sim.sendRaw("stale\r\n");
        QVERIFY(bench.port->waitForReadyRead(1000));
        QVERIFY(!bench.port->waitAndReadText(text, 10)); // serial replies come by readyRead only
        bench.port->discardInput();
        QCOMPARE(bench.port->readText(text), 0);

        bench.engine.resumeReading();
        bench.sim.sendRaw("12.5 g\r\n");
        QTRY_COMPARE(bench.handler.lines, QStringList{"12.5 g"});
    }

    void utf8IsWrittenWhole()
    {
        Bench bench;
        QVERIFY(bench.engine.openInterface());
        QVERIFY(bench.port->writeLine(QStringLiteral("SNżółw\r\n")));
        QTRY_COMPARE(bench.sim.receivedLines().size(), 1);
        QCOMPARE(bench.sim.receivedLines().first(), QByteArray("SN\xc5\xbc\xc3\xb3\xc5\x82w"));
    }

    void repliesCutIntoSmallChunks()
    {
        Bench bench;
        QVERIFY(bench.engine.openInterface());
        bench.sim.setChunkSize(1);
        bench.sim.setChunkGap(2);
        auto* identify = new CommandSW9;
        QCOMPARE(bench.run(identify), 1);
        QCOMPARE(identify->deviceInfo().firmware, QStringLiteral("v2.07"));
    }

    void emptyLineBeforeTheEchoFailsIt()
    {
        Bench bench;
        QVERIFY(bench.engine.openInterface());
        bench.sim.setEmptyLinesBefore(1);
        QCOMPARE(bench.run(new CommandEchoSJ), 2);
        QTRY_COMPARE(bench.handler.lines, QStringList{"MJ"});
    }

    void zeroByteLosesTheRestOfItsChunk()
    {
        Bench bench;
        QVERIFY(bench.engine.openInterface());
        bench.sim.setZeroByteAfterReply(true);
        QCOMPARE(bench.run(new CommandEchoSJ), 1);
        bench.sim.setZeroByteAfterReply(false);
        bench.sim.sendRaw("12.5 g\r\n");
        QTRY_COMPARE(bench.handler.lines, QStringList{"12.5 g"});
    }

    void garbageWithoutLineEndsStaysBounded()
    {
        Bench bench;
        bench.engine.setMaxLineLength(1000);
        QVERIFY(bench.engine.openInterface());
        bench.sim.sendGarbage(20000);
        bench.sim.sendRaw("\r\n");
        QCOMPARE(bench.run(new CommandEchoSJ), 1);
        QVERIFY(bench.handler.lines.isEmpty() || bench.handler.lines.first().size() <= 1000);
    }

    void silentDeviceGetsThreeWrites()
    {
        Bench bench;
        QVERIFY(bench.engine.openInterface());
        bench.sim.setSilent(true);
        QCOMPARE(bench.run(new CommandEchoSJ, 100), 3);
        QTRY_COMPARE(bench.sim.receivedLines(), (QByteArrayList{"SJ", "SJ", "SJ"}));
    }

    void slowReplyAfterARewrite()
    {
        // The reply to the first write arrives after the rewrite: the echo
        // takes it, the reply to the rewrite goes to the line handler.
        Bench bench;
        QVERIFY(bench.engine.openInterface());
        bench.sim.setReplyDelay(150);
        QCOMPARE(bench.run(new CommandEchoSJ, 100), 1);
        QTRY_COMPARE(bench.handler.lines, QStringList{"MJ"});
    }
};

QTEST_GUILESS_MAIN(TestSerialTransport)
#include "tst_serialtransport.moc"
