#include "communication/CLAN.h"
#include "communication/CLANServerImproved.h"
#include "communication/CRS232.h"
#include "communication/CommandEchoSJ.h"
#include "communication/CommnadEngine.h"
#include "communication/ConnectionInfo.h"
#include "communication/IArpTable.h"
#include "communication/InterfaceFactory.h"
#include "communication/MacConversions.h"
#include "communication/ServersManager.h"
#include "communication/SystemArpTable.h"
#include "search/MacIpMapper.h"
#include "tests/support/AnalyzerSimulator.h"
#include "tests/support/OnThread.h"
#include "tests/support/QueuedSignalSpy.h"
#include "tests/support/RunningThread.h"
#include "tests/support/SimulatorTcpDevice.h"
#include "tests/support/SimulatorTcpModule.h"

#include <QNetworkInterface>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

using namespace Common::Communication;

namespace {

const quint64 kMacA = 0x001A2B3C4D5EULL;
const quint64 kMacB = 0x001A2B3C4D5FULL;
const QHostAddress kLocal(QHostAddress::LocalHost);

// A port that nothing uses now, below the kernel's range for outgoing
// connections: a port from that range (port 0) may be taken as the local
// end of a connection by the time the program listens on it, and copies of
// the tests run side by side.
quint16 freePort()
{
    for (;;) {
        const auto port = quint16(QRandomGenerator::global()->bounded(20000, 32000));
        QTcpServer probe;
        if (probe.listen(QHostAddress::Any, port))
            return port;
    }
}

quint32 ipv4(const char* text) { return QHostAddress(QString::fromLatin1(text)).toIPv4Address(); }

// Whether anything accepts connections on the port now.
bool accepting(quint16 port)
{
    QTcpSocket probe;
    probe.connectToHost(kLocal, port);
    return probe.waitForConnected(1000);
}

int echo(CommnadEngine& engine)
{
    QSignalSpy finished(&engine, &CommnadEngine::commandFinished);
    if (engine.execute(new CommandEchoSJ, nullptr, 500) != CommnadEngine::Written)
        return 0;
    if (!finished.wait(3000))
        return 0;
    return finished.first().first().toInt();
}

class FakeArp : public IArpTable
{
public:
    QByteArray macTextFor(const QString& address) override
    {
        return address == QLatin1String("127.0.0.1") ? "00-1a-2b-3c-4d-5e" : QByteArray();
    }
};

// The program's server side with one simulated device that connects to it.
struct ServerBench
{
    explicit ServerBench(quint64 mac = kMacA, const char* from = "127.0.0.2")
    {
        mapper.insert(ipv4(from), kMacA);
        mapper.insert(ipv4("127.0.0.3"), kMacB);
        manager.setMacIpMapper(&mapper);
        device.setLocalAddress(QHostAddress(QString::fromLatin1(from)));
        transport = new CLANServerImproved(kLocal, port, mac);
        transport->setServersManager(&manager);
        transport->setListeningTimeout(400);
        engine.setInterface(transport);
    }
    quint16 port = freePort();
    MacIpMapper mapper;
    ServersManager manager;
    AnalyzerSimulator sim;
    SimulatorTcpDevice device{&sim};
    CLANServerImproved* transport;
    CommnadEngine engine;
    QSignalSpy failed{&engine, &CommnadEngine::interfaceFailed};
};

} // namespace

class TestTcpTransports : public QObject
{
    Q_OBJECT

private slots:
    void clientTalksToTheModule()
    {
        AnalyzerSimulator sim;
        SimulatorTcpModule module(&sim);
        QVERIFY(module.listen());
        auto* lan = new CLAN(kLocal, module.port());
        QCOMPARE(lan->description(), QStringLiteral("LAN (127.0.0.1,%1)").arg(module.port()));
        CommnadEngine engine;
        engine.setInterface(lan);
        QVERIFY(!lan->writeLine("SJ\r\n")); // not connected yet
        QSignalSpy states(lan, &CInterface::stateChanged);
        QVERIFY(engine.openInterface());
        QCOMPARE(states.takeFirst().first().toInt(), 1);
        QCOMPARE(echo(engine), 1);
        QVERIFY(lan->writeLine(QStringLiteral("SNż\r\n")));
        QTRY_COMPARE(sim.receivedLines().last(), QByteArray("SN\xc5\xbc"));
    }

    void clientBindsItsLocalAddress()
    {
        AnalyzerSimulator sim;
        SimulatorTcpModule module(&sim);
        QVERIFY(module.listen(0, QHostAddress::AnyIPv4));
        QTcpServer* server = module.findChild<QTcpServer*>();
        QVERIFY(server);
        QHostAddress peer;
        connect(server, &QTcpServer::newConnection, [&] {
            // Runs after the module took the socket.
            const auto sockets = server->findChildren<QTcpSocket*>();
            if (!sockets.isEmpty())
                peer = sockets.last()->peerAddress();
        });
        NetworkConnectionPart part;
        part.setClient(kLocal, QHostAddress("127.0.0.5"), module.port());
        ConnectionInfo info;
        info.setNetworkPart(part);
        std::unique_ptr<CInterface> lan(InterfaceFactory().create(info));
        QVERIFY(lan->open());
        QTRY_COMPARE(peer, QHostAddress("127.0.0.5"));
    }

    void clientReportsDropAndReopensOnce()
    {
        AnalyzerSimulator sim;
        SimulatorTcpModule module(&sim);
        QVERIFY(module.listen());
        CommnadEngine engine;
        auto* lan = new CLAN(kLocal, module.port());
        engine.setInterface(lan);
        QSignalSpy failed(&engine, &CommnadEngine::interfaceFailed);
        QVERIFY(engine.openInterface());
        QTRY_VERIFY(module.hasClient());
        sim.dropConnection();
        QTRY_COMPARE(failed.count(), 1);
        QVERIFY(!lan->writeLine("SJ\r\n"));

        QVERIFY(lan->close());
        QCOMPARE(failed.count(), 2);
        QVERIFY(engine.openInterface());
        QTRY_VERIFY(module.hasClient());
        QCOMPARE(echo(engine), 1);
        sim.dropConnection();
        QTRY_COMPARE(failed.count(), 3);
        // A round trip on a new connection lets any second report of that
        // drop arrive first: the drop handler is connected once.
        QVERIFY(engine.openInterface());
        QTRY_VERIFY(module.hasClient());
        QCOMPARE(echo(engine), 1);
        QCOMPARE(failed.count(), 3);
    }

    void directReadsEndAtAZeroByte()
    {
        QTcpServer module;
        QVERIFY(module.listen(kLocal, 0));
        CLAN lan(kLocal, module.serverPort());
        QVERIFY(lan.open());
        QVERIFY(module.waitForNewConnection(1000));
        QTcpSocket* peer = module.nextPendingConnection();
        const auto send = [peer](const QByteArray& bytes) {
            peer->write(bytes);
            peer->flush();
        };

        QString text;
        QVERIFY(!lan.waitAndReadText(text, 50));
        send("MJ\r\n");
        QVERIFY(lan.waitAndReadText(text, 1000));
        QCOMPARE(text, QStringLiteral("MJ\r\n"));

        send(QByteArray("f1\0junk", 7));
        QVERIFY(lan.waitForReadyRead(1000));
        QByteArray bytes;
        QCOMPARE(lan.readAllBytes(bytes), 7);
        QCOMPARE(bytes, QByteArray("f1"));

        send("stale");
        QVERIFY(lan.waitForReadyRead(1000));
        lan.discardInput();
        QCOMPARE(lan.readText(text), 0);
        QVERIFY(text.isEmpty());

        // Without a device there is nothing to read from.
        CLANServerImproved waiting(kLocal, freePort(), kMacA);
        QCOMPARE(waiting.readAllBytes(bytes), 0);
        QVERIFY(bytes.isEmpty());
        QVERIFY(!waiting.waitAndReadText(text, 10));
        QVERIFY(!waiting.waitForReadyRead(10));
    }

    void clientOpenFailsWhenNobodyListens()
    {
        const quint16 port = freePort();
        CLAN lan(kLocal, port);
        lan.setConnectTimeout(300);
        QSignalSpy states(&lan, &CInterface::stateChanged);
        QVERIFY(!lan.open());
        QCOMPARE(states.takeFirst().first().toInt(), 2);
        QVERIFY(lan.close());
    }

    void serverAdoptsTheExpectedDevice()
    {
        ServerBench bench;
        QCOMPARE(bench.transport->description(),
                 QStringLiteral("LAN Server (127.0.0.1,%1)").arg(bench.port));
        QVERIFY(!bench.transport->writeLine("SJ\r\n"));
        QVERIFY(bench.engine.openInterface());
        QCOMPARE(bench.transport->state(), 3);
        bench.device.connectTo(kLocal, bench.port);
        QTRY_COMPARE(bench.transport->state(), 1);
        QCOMPARE(echo(bench.engine), 1);
        // Nothing changes when the listening window would have ended.
        QSignalSpy states(bench.transport, &CInterface::stateChanged);
        QVERIFY(!states.wait(500));
        QCOMPARE(bench.transport->state(), 1);
        QCOMPARE(bench.failed.count(), 0);
    }

    void serverRefusesAnUnexpectedDevice()
    {
        ServerBench bench(kMacB, "127.0.0.2"); // 127.0.0.2 is kMacA
        QSignalSpy gone(&bench.device, &SimulatorTcpDevice::disconnected);
        QVERIFY(bench.engine.openInterface());
        bench.device.connectTo(kLocal, bench.port);
        QVERIFY(gone.wait(2000));
        QTRY_COMPARE(bench.failed.count(), 1);
        QCOMPARE(bench.transport->state(), 2);
        QVERIFY(!accepting(bench.port));
    }

    void serverTurnsAwayALateDevice()
    {
        ServerBench bench;
        QVERIFY(bench.engine.openInterface());
        QTRY_COMPARE(bench.failed.count(), 1);
        QCOMPARE(bench.transport->state(), 2);
        // The MAC is no longer expected, so nothing listens any more.
        QVERIFY(!accepting(bench.port));
    }

    void droppedDeviceMayComeBackWithinANewWindow()
    {
        ServerBench bench;
        QVERIFY(bench.engine.openInterface());
        bench.device.connectTo(kLocal, bench.port);
        QTRY_COMPARE(bench.transport->state(), 1);
        QSignalSpy states(bench.transport, &CInterface::stateChanged);
        QVERIFY(!states.wait(450)); // the first window passes unnoticed

        bench.sim.dropConnection();
        QTRY_COMPARE(bench.transport->state(), 3);
        bench.device.connectTo(kLocal, bench.port);
        QTRY_COMPARE(bench.transport->state(), 1);
        QCOMPARE(echo(bench.engine), 1);
        QCOMPARE(bench.failed.count(), 0);

        bench.sim.dropConnection();
        QTRY_COMPARE(bench.transport->state(), 3);
        QTRY_COMPARE(bench.failed.count(), 1); // never came back
        QCOMPARE(bench.transport->state(), 2);
    }

    void socketOfAReleasedTransportIsNotAdoptedLater()
    {
        // The device connects just as its transport goes, before the queued
        // hand-over reaches it: the next attempt must get the device's new
        // connection, not that one.
        ServerBench bench;
        bench.transport->setListeningTimeout(2000);
        QVERIFY(bench.engine.openInterface());
        QObject::disconnect(&bench.manager, nullptr, bench.transport, nullptr);
        QSignalSpy arrived(&bench.manager, &ServersManager::newDeviceConnected);
        bench.device.connectTo(kLocal, bench.port);
        QVERIFY(arrived.wait(2000));
        bench.engine.setInterface(nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        auto* next = new CLANServerImproved(kLocal, bench.port, kMacA);
        next->setServersManager(&bench.manager);
        bench.engine.setInterface(next);
        QVERIFY(bench.engine.openInterface());
        bench.device.connectTo(kLocal, bench.port);
        QTRY_COMPARE(next->state(), 1);
        QCOMPARE(echo(bench.engine), 1);
    }

    void closeWhileListeningStopsListening()
    {
        ServerBench bench;
        QVERIFY(bench.engine.openInterface());
        QVERIFY(accepting(bench.port));
        QVERIFY(bench.transport->close());
        QCOMPARE(bench.transport->state(), 2);
        QVERIFY(!bench.transport->isListening());
        QTRY_VERIFY(!accepting(bench.port));
    }

    void releasedTransportStopsListening()
    {
        ServerBench bench;
        QVERIFY(bench.engine.openInterface());
        QVERIFY(accepting(bench.port));
        bench.engine.setInterface(nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTRY_VERIFY(!accepting(bench.port));
    }

    void twoMacsShareOneServer()
    {
        ServerBench bench;
        auto* second = new CLANServerImproved(kLocal, bench.port, kMacB);
        second->setServersManager(&bench.manager);
        second->setListeningTimeout(2000);
        CommnadEngine secondEngine;
        secondEngine.setInterface(second);
        bench.transport->setListeningTimeout(2000);

        QVERIFY(bench.engine.openInterface());
        QVERIFY(secondEngine.openInterface()); // a second server on the port would fail

        AnalyzerSimulator otherSim;
        SimulatorTcpDevice other(&otherSim);
        other.setLocalAddress(QHostAddress("127.0.0.3"));
        other.connectTo(kLocal, bench.port);
        QTRY_COMPARE(second->state(), 1);
        QCOMPARE(bench.transport->state(), 3);
        QVERIFY(accepting(bench.port)); // still waiting for the first MAC

        bench.device.connectTo(kLocal, bench.port);
        QTRY_COMPARE(bench.transport->state(), 1);
        QCOMPARE(echo(bench.engine), 1);
        QCOMPARE(echo(secondEngine), 1);
        // Nobody is expected any more: the shared server is gone.
        QTRY_VERIFY(!accepting(bench.port));
    }

    void serverHandsTheSocketToTheCommunicationThread()
    {
        // The manager accepts on this (GUI) thread; the transport and its
        // engine live on the communication thread.
        const quint16 port = freePort();
        MacIpMapper mapper;
        mapper.insert(ipv4("127.0.0.2"), kMacA);
        ServersManager manager;
        manager.setMacIpMapper(&mapper);
        RunningThread communication;
        auto* engine = new CommnadEngine;
        auto* transport = new CLANServerImproved(kLocal, port, kMacA);
        transport->setServersManager(&manager);
        engine->setInterface(transport);
        engine->moveToThread(&communication);
        QueuedSignalSpy ready(engine, &CommnadEngine::interfaceReady);
        QueuedSignalSpy finished(engine, &CommnadEngine::commandFinished);
        QMetaObject::invokeMethod(engine, [engine] { engine->openInterface(); });
        QTRY_VERIFY(accepting(port));

        AnalyzerSimulator sim;
        SimulatorTcpDevice device(&sim);
        device.setLocalAddress(QHostAddress("127.0.0.2"));
        device.connectTo(kLocal, port);
        QTRY_COMPARE(ready.count(), 1);
        QMetaObject::invokeMethod(engine,
                                  [engine] { engine->execute(new CommandEchoSJ, nullptr, 500); });
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toInt(), 1);
        // Waited for: the spies must not go while the engine is being deleted.
        const bool socketOnItsThread = onThread(engine, [engine] {
            QTcpSocket* socket = engine->findChild<QTcpSocket*>();
            const bool onItsThread = socket && socket->thread() == QThread::currentThread();
            engine->closeInterface();
            delete engine;
            return onItsThread;
        });
        QVERIFY(socketOnItsThread);
        QTRY_VERIFY(!accepting(port));
    }

    void serverFallsBackToTheArpTable()
    {
        ServerBench bench(kMacA, "127.0.0.1");
        bench.manager.setMacIpMapper(nullptr);
        bench.manager.setArpTable(new FakeArp);
        QVERIFY(bench.engine.openInterface());
        bench.device.connectTo(kLocal, bench.port);
        QTRY_COMPARE(bench.transport->state(), 1);
    }

    void failedListeningLeavesNothingBehind()
    {
        QTcpServer occupant;
        QVERIFY(occupant.listen(QHostAddress::Any, 0));
        const quint16 port = occupant.serverPort();
        ServersManager manager;
        CLANServerImproved transport(kLocal, port, kMacA);
        transport.setServersManager(&manager);
        QVERIFY(!transport.open());
        QCOMPARE(transport.state(), 2);
        QVERIFY(!transport.isListening());

        // The MAC is not left "expected" without a server: the next
        // attempt listens for real.
        occupant.close();
        QVERIFY(transport.open());
        QCOMPARE(transport.state(), 3);
        QVERIFY(accepting(port));
    }

    void managerResetReleasesServersAndWaitingDevices()
    {
        // The network search starts and ends with a reset.
        ServerBench bench;
        bench.transport->setListeningTimeout(2000);
        QVERIFY(bench.engine.openInterface());
        QObject::disconnect(&bench.manager, nullptr, bench.transport, nullptr);
        QSignalSpy arrived(&bench.manager, &ServersManager::newDeviceConnected);
        QSignalSpy gone(&bench.device, &SimulatorTcpDevice::disconnected);
        bench.device.connectTo(kLocal, bench.port);
        QVERIFY(arrived.wait(2000));

        bench.manager.reset();
        QVERIFY(gone.wait(2000));
        QTcpSocket* socket = nullptr;
        QVERIFY(!bench.manager.takeSocket(kMacA, &socket));
        QTRY_VERIFY(!accepting(bench.port));
    }

    void serverWithoutManagerCannotOpen()
    {
        CLANServerImproved lonely(kLocal, freePort(), kMacA);
        QVERIFY(!lonely.open());
        QCOMPARE(lonely.state(), 2);
        QVERIFY(lonely.close());
    }

    void factoryBuildsWhatTheRecordSays()
    {
        InterfaceFactory factory;
        QVERIFY(!factory.create(ConnectionInfo()));

        ConnectionInfo serial;
        serial.setSerialPart({"COM3", 19200, "USB Serial"});
        std::unique_ptr<CInterface> port(factory.create(serial));
        QCOMPARE(port->description(), QStringLiteral("COM3 (USB Serial,19200)"));
        QVERIFY(qobject_cast<CRS232*>(port.get()));

        NetworkConnectionPart part;
        part.setServer(kLocal, 4001, kMacA);
        ConnectionInfo server;
        server.setNetworkPart(part);
        QVERIFY(!factory.create(server));
        ServersManager manager;
        factory.setServersManager(&manager);
        std::unique_ptr<CInterface> made(factory.create(server));
        auto* lan = qobject_cast<CLANServerImproved*>(made.get());
        QVERIFY(lan);
        QCOMPARE(lan->mac(), kMacA);
        QCOMPARE(lan->port(), 4001);
        std::unique_ptr<CInterface> copy(lan->clone(nullptr));
        QCOMPARE(copy->description(), lan->description());
    }

    void arpOutputParsing()
    {
        const QString windows =
            QStringLiteral("\r\nInterface: 192.168.1.10 --- 0xb\r\n"
                           "  Internet Address      Physical Address      Type\r\n"
                           "  192.168.1.1           00-1a-2b-3c-4d-5e     dynamic   \r\n"
                           "  192.168.1.100         00-1a-2b-3c-4d-5f     dynamic   \r\n"
                           "  192.168.1.255         ff-ff-ff-ff-ff-ff     static    \r\n");
        QCOMPARE(macFromArpOutput(windows, "192.168.1.100"), QByteArray("00-1a-2b-3c-4d-5f"));
        QCOMPARE(macFromArpOutput(windows, "192.168.1.1"), QByteArray("00-1a-2b-3c-4d-5e"));
        QCOMPARE(macFromArpOutput(windows, "192.168.1.2"), QByteArray());
        QCOMPARE(macFromArpOutput(windows, "192.168.1.10"), QByteArray("---"));
        QCOMPARE(macFromArpOutput("10.0.0.1", "10.0.0.1"), QByteArray());

        const QString proc = QStringLiteral(
            "IP address       HW type     Flags       HW address            Mask     Device\n"
            "192.168.1.1      0x1         0x2         00:1a:2b:3c:4d:5e     *        eth0\n"
            "192.168.1.7      0x1         0x0         00:00:00:00:00:00     *        eth0\n");
        QCOMPARE(macFromProcNetArp(proc, "192.168.1.1"), QByteArray("00:1a:2b:3c:4d:5e"));
        QCOMPARE(macFromProcNetArp(proc, "192.168.1.7"), QByteArray());
        QCOMPARE(macFromProcNetArp(proc, "192.168.1.10"), QByteArray());
        QCOMPARE(macFromProcNetArp(proc, "192.168.1"), QByteArray());
    }

    void ownAddressFallsBackToItsInterface()
    {
        QCOMPARE(macTextOrOwn("00-1a-2b-3c-4d-5e", "192.0.2.1"), QByteArray("00-1a-2b-3c-4d-5e"));
        QCOMPARE(macTextOrOwn(QByteArray(), "0.0.0.1"), QByteArray());
        // The PC's own address: "arp -a" gives "---" for it.
        for (const QNetworkInterface& iface : QNetworkInterface::allInterfaces()) {
            if (iface.flags().testFlag(QNetworkInterface::IsLoopBack)
                || macTextToU64(iface.hardwareAddress().toLatin1()) == 0)
                continue;
            for (const QNetworkAddressEntry& entry : iface.addressEntries()) {
                if (entry.ip().protocol() != QAbstractSocket::IPv4Protocol)
                    continue;
                const QByteArray mac = macTextOrOwn("---", entry.ip().toString());
                QCOMPARE(macTextToU64(mac), macTextToU64(iface.hardwareAddress().toLatin1()));
                return;
            }
        }
        QSKIP("no network interface of this PC has an IPv4 address and a MAC");
    }

    void macIpMapper()
    {
        MacIpMapper mapper;
        bool found = true;
        QCOMPARE(mapper.lookup(ipv4("10.0.0.5"), &found), quint64(0));
        QVERIFY(!found);
        mapper.insert(ipv4("10.0.0.5"), kMacA);
        QCOMPARE(mapper.lookup(ipv4("10.0.0.5"), &found), kMacA);
        QVERIFY(found);
        mapper.clear();
        mapper.lookup(ipv4("10.0.0.5"), &found);
        QVERIFY(!found);
    }
};

QTEST_GUILESS_MAIN(TestTcpTransports)
#include "tst_tcptransports.moc"
