#include "communication/CTibbo.h"
#include "communication/MacConversions.h"
#include "communication/NESP.h"
#include "tests/support/ModuleSimulator.h"

#include <QSignalSpy>
#include <QtTest>

using namespace Common::Communication;

namespace {

const QHostAddress loopback(QStringLiteral("127.0.0.1"));
const quint32 hostNetmask = 0xff000000; // 127.0.0.0/8
const QHostAddress offSubnet(QStringLiteral("10.1.2.3"));

// Records which of the four outcome signals a module gave, in order.
struct Outcomes
{
    explicit Outcomes(IOInterfaceModule* module)
    {
        QObject::connect(module, &IOInterfaceModule::infoReady, [this] { seen << "info"; });
        QObject::connect(module, &IOInterfaceModule::commandOk, [this] { seen << "ok"; });
        QObject::connect(module, &IOInterfaceModule::commandFailed, [this] { seen << "failed"; });
        QObject::connect(module, &IOInterfaceModule::commandTimeout, [this] { seen << "timeout"; });
        QObject::connect(module, &IOInterfaceModule::newOutLog,
                         [this](const VornLogRecord& r) { out << r.interface + " " + r.message; });
        QObject::connect(module, &IOInterfaceModule::newInLog,
                         [this](const VornLogRecord& r) { in << r.message; });
    }
    // Waits for the next outcome and returns it ("" when none came).
    QString next(int timeout = 3000)
    {
        const int before = taken;
        if (!QTest::qWaitFor([&] { return seen.size() > before; }, timeout))
            return QString();
        return seen.at(taken++);
    }
    QStringList seen;
    QStringList out;
    QStringList in;
    int taken = 0;
};

template <typename Module>
Module* tibboFor(ModuleSimulator& sim, const QHostAddress& device, QObject* parent)
{
    auto* module = new Module(loopback, hostNetmask, sim.mac, device, parent);
    module->setUdpPort(sim.port());
    module->setBroadcastAddress(QHostAddress(QStringLiteral("127.255.255.255")));
    return module;
}

NESP* espFor(ModuleSimulator& sim, const QHostAddress& device, QObject* parent)
{
    auto* module = new NESP(loopback, hostNetmask, sim.mac, device, false, parent);
    module->setUdpPort(sim.port());
    module->setBroadcastAddress(QHostAddress(QStringLiteral("127.255.255.255")));
    return module;
}

} // namespace

class TestNetworkModules : public QObject
{
    Q_OBJECT

private slots:
    void tibboReadsItsConfigurationInOneChain()
    {
        ModuleSimulator sim(ModuleSimulator::Tibbo);
        sim.dhcp = true;
        sim.routingMode = 2;
        sim.port_ = 4001;
        sim.remotePort = 4002;
        sim.transportProtocol = 2;
        sim.baudCode = 3;
        auto* tibbo = tibboFor<CTibbo>(sim, loopback, this);
        Outcomes outcomes(tibbo);
        tibbo->readInfo(1);
        QCOMPARE(outcomes.next(), QString("info"));
        QCOMPARE(sim.received, (QStringList{"L", "GDH", "GIP", "GGI", "GNM", "GRM", "GDI", "GPN",
                                            "GDP", "GTP", "GBR"}));
        QVERIFY(tibbo->isDhcp());
        QCOMPARE(tibbo->ipAddress(), sim.ip);
        QCOMPARE(tibbo->gateway(), sim.gateway);
        QCOMPARE(tibbo->netmask(), sim.netmask);
        QCOMPARE(tibbo->routingMode(), 2);
        QCOMPARE(tibbo->port(), 4001);
        QCOMPARE(tibbo->remotePort(), 4002);
        QCOMPARE(tibbo->transportProtocol(), 2);
        QCOMPARE(tibbo->baudrate(), 9600);
        QCOMPARE(outcomes.seen.size(), 1);
        QCOMPARE(outcomes.out.first(), QString("127.0.0.1,%1 L").arg(sim.port()));
    }

    // Off the PC's subnet the module is selected by broadcast; once it has
    // answered from its own address, the chain goes on to that address.
    void tibboOutsideTheSubnetIsSelectedByBroadcast()
    {
        ModuleSimulator sim(ModuleSimulator::Tibbo, QHostAddress::AnyIPv4);
        auto* tibbo = tibboFor<CTibbo>(sim, offSubnet, this);
        Outcomes outcomes(tibbo);
        tibbo->readInfo(1);
        QCOMPARE(outcomes.next(), QString("info"));
        QCOMPARE(sim.received.first(), QString("W" + dottedMacFromU64(sim.mac)));
        QCOMPARE(outcomes.out.first().section(' ', 0, 0), QString("BROADCAST,%1").arg(sim.port()));
        QCOMPARE(tibbo->deviceIp(), loopback);
    }

    void tibboWritesTheIpLayerStepByStep()
    {
        ModuleSimulator sim(ModuleSimulator::Tibbo);
        auto* tibbo = tibboFor<CTibbo>(sim, loopback, this);
        Outcomes outcomes(tibbo);
        tibbo->setIPLayer(false, QHostAddress("127.0.0.9"), QHostAddress("127.0.0.1"),
                          QHostAddress("255.255.0.0"));
        QCOMPARE(outcomes.next(), QString("ok"));
        QCOMPARE(sim.received,
                 (QStringList{"SDH0", "SIP127.0.0.9", "SGI127.0.0.1", "SNM255.255.0.0"}));
        QCOMPARE(sim.ip, QHostAddress("127.0.0.9"));
        QCOMPARE(tibbo->netmask(), QHostAddress("255.255.0.0"));

        sim.received.clear();
        tibbo->setIPLayer(true, QHostAddress(), QHostAddress(), QHostAddress());
        QCOMPARE(outcomes.next(), QString("ok"));
        QCOMPARE(sim.received, QStringList{"SDH1"});
        QVERIFY(tibbo->isDhcp());
        QCOMPARE(outcomes.seen.size(), 2);
    }

    void tibboBaudRatesAndRefusals()
    {
        ModuleSimulator sim(ModuleSimulator::Tibbo);
        auto* tibbo = tibboFor<CTibbo>(sim, loopback, this);
        Outcomes outcomes(tibbo);
        tibbo->setBaudrate(14400); // not in the table: 115200's code
        QCOMPARE(outcomes.next(), QString("ok"));
        tibbo->setBaudrate(600);
        QCOMPARE(outcomes.next(), QString("ok"));
        QCOMPARE(sim.received, (QStringList{"SBR7", "SBR10"}));

        sim.baudCode = 12;
        tibbo->readInfo(1);
        QCOMPARE(outcomes.next(), QString("failed"));

        tibbo->sendDatagram("Q", CommandSetPort); // the simulator answers "F"
        QCOMPARE(outcomes.next(), QString("failed"));

        QSignalSpy ok(tibbo, &IOInterfaceModule::commandOk);
        tibbo->startClientServer();
        QCOMPARE(ok.count(), 1); // at once, without a datagram
    }

    // A status of too few or too many fields is discarded; the request ends
    // by time-out, and an answer after that is logged but gives no second outcome.
    void tibboStatusWaitsForAWholeReply()
    {
        ModuleSimulator sim(ModuleSimulator::Tibbo);
        auto* tibbo = tibboFor<CTibbo>(sim, loopback, this);
        Outcomes outcomes(tibbo);
        sim.wrongFieldCount = true;
        tibbo->readStatus();
        QCOMPARE(outcomes.next(), QString("timeout"));

        sim.wrongFieldCount = false;
        sim.extraStatusField = true; // six "/"
        tibbo->readStatus();
        QCOMPARE(outcomes.next(), QString("timeout"));

        sim.extraStatusField = false;
        sim.dhcp = sim.addressObtained = true;
        tibbo->readStatus();
        QCOMPARE(outcomes.next(), QString("ok"));
        QVERIFY(tibbo->isDhcp() && tibbo->isAddressObtained());

        sim.replyDelayMs = 1300;
        tibbo->readStatus();
        QCOMPARE(outcomes.next(), QString("timeout"));
        const int logged = outcomes.in.size();
        QTRY_COMPARE(outcomes.in.size(), logged + 1);
        QCOMPARE(outcomes.seen.size(), 4);
    }

    void tibboRebootUsuallyEndsByTimeOut()
    {
        ModuleSimulator sim(ModuleSimulator::Tibbo);
        auto* tibbo = tibboFor<CTibbo>(sim, loopback, this);
        Outcomes outcomes(tibbo);
        QVERIFY(tibbo->rebootNeeded());
        tibbo->reboot();
        QCOMPARE(outcomes.next(), QString("timeout"));
        sim.acknowledgeReboot = true;
        tibbo->reboot();
        QCOMPARE(outcomes.next(), QString("ok"));
        QCOMPARE(sim.reboots, 2);
    }

    void tibboParsesDiscoveryFlags()
    {
        CTibbo tibbo(loopback, hostNetmask, 0, loopback);
        const ModuleData data = tibbo.parseModuleData("A0.26.43.60.77.94/127.0.0.5/***I/1/0");
        QCOMPARE(data.id, QByteArray("0.26.43.60.77.94"));
        QCOMPARE(data.mac, quint64(0x001a2b3c4d5eULL));
        QVERIFY(data.dhcp && data.addressObtained);
        QVERIFY(!tibbo.parseModuleData("Ax/y/**M/1/0").dhcp);
        const ModuleData waiting = tibbo.parseModuleData("Ax/y/***/1/0");
        QVERIFY(!waiting.dhcp && !waiting.addressObtained);
    }

    void espOutsideTheSubnetSelectsThenReads()
    {
        ModuleSimulator sim(ModuleSimulator::Esp, QHostAddress::AnyIPv4);
        sim.routingMode = 2;
        sim.port_ = 5001;
        sim.splitReplies = true; // lines are whole only across datagrams
        auto* esp = espFor(sim, offSubnet, this);
        Outcomes outcomes(esp);
        esp->readInfo(1);
        QCOMPARE(outcomes.next(), QString("info"));
        QCOMPARE(sim.received,
                 (QStringList{"AT+ASELECT=" + macToText(sim.mac) + "\r\n", "AT+ACONFIG?\r\n"}));
        QVERIFY(outcomes.out.at(0).startsWith(QString("BROADCAST,%1").arg(sim.port())));
        // The select answer came from the module's own address: the
        // configuration is asked there, and its reply is matched by it.
        QVERIFY(outcomes.out.at(1).startsWith(QString("127.0.0.1,%1").arg(sim.port())));
        QCOMPARE(esp->ipAddress(), loopback);
        QCOMPARE(esp->routingMode(), 2);
        QCOMPARE(esp->port(), 5001);
        QCOMPARE(esp->remotePort(), 5001);
        QCOMPARE(esp->transportProtocol(), 1);
    }

    void espSetsAndConfirms()
    {
        ModuleSimulator sim(ModuleSimulator::Esp);
        auto* esp = espFor(sim, loopback, this);
        Outcomes outcomes(esp);
        esp->setTcpSettings(true, 6001, QHostAddress("127.0.0.7"));
        QCOMPARE(outcomes.next(), QString("ok"));
        QCOMPARE(sim.received.last(), QString("AT+ATCPCONFIG=2,6001,127.0.0.7,1\r\n"));
        QCOMPARE(esp->routingMode(), 1);
        QCOMPARE(esp->port(), 6001);
        QCOMPARE(esp->remoteIp(), QHostAddress("127.0.0.7"));

        esp->setIPLayer(true, QHostAddress("127.0.0.1"), QHostAddress("127.0.0.254"),
                        QHostAddress("255.0.0.0"));
        QCOMPARE(outcomes.next(), QString("ok"));
        QCOMPARE(sim.received.last(),
                 QString("AT+ASTAIPCONFIG=2,127.0.0.1,127.0.0.254,255.0.0.0\r\n"));
        QVERIFY(esp->isDhcp());

        // Nothing to send for these on an ESP module, and nothing follows.
        const int requests = sim.received.size();
        esp->setProtocol(2);
        esp->setBaudrate(9600);
        esp->reboot();
        QVERIFY(!esp->rebootNeeded());
        QVERIFY(!esp->isRequestPending());
        QCOMPARE(sim.received.size(), requests);
    }

    // A reply that comes after its request timed out must not be read as the
    // answer to the next request.
    void espLateReplyIsNotTheNextOnesAnswer()
    {
        ModuleSimulator sim(ModuleSimulator::Esp);
        auto* esp = espFor(sim, loopback, this);
        Outcomes outcomes(esp);
        sim.replyDelayMs = 1300;
        esp->readStatus();
        QCOMPARE(outcomes.next(), QString("timeout"));
        QTRY_COMPARE(outcomes.in.size(), 1); // the late status line came
        sim.replyDelayMs = 0;
        esp->setPort(7001);
        QCOMPARE(outcomes.next(), QString("ok"));
        QCOMPARE(esp->port(), 7001);
    }

    // A line the module cannot evaluate leaves the request to its time-out.
    void espUnreadableConfigurationEndsByTimeOut()
    {
        ModuleSimulator sim(ModuleSimulator::Esp);
        sim.wrongFieldCount = true;
        auto* esp = espFor(sim, loopback, this);
        Outcomes outcomes(esp);
        const QHostAddress before = esp->ipAddress();
        esp->readInfo(1);
        QCOMPARE(outcomes.next(), QString("timeout"));
        QCOMPARE(esp->ipAddress(), before);
        esp->readStatus();
        QCOMPARE(outcomes.next(), QString("timeout"));
        QCOMPARE(outcomes.seen.size(), 2);
    }

    void espParsesStatusFlags()
    {
        NESP esp(loopback, hostNetmask, 0, loopback, false);
        const ModuleData data = esp.parseModuleData("00:1a:2b:3c:4d:5e,3");
        QCOMPARE(data.mac, quint64(0x001a2b3c4d5eULL));
        QVERIFY(data.dhcp && data.addressObtained);
        QVERIFY(!esp.parseModuleData("00:1a:2b:3c:4d:5e,1").dhcp);
        NESP broadcastEsp(loopback, hostNetmask, 0x001a2b3c4d5eULL, loopback, true);
        QCOMPARE(broadcastEsp.udpPort(), NESP::BroadcastPort);
        QCOMPARE(broadcastEsp.moduleId(), QByteArray("00:1A:2B:3C:4D:5E"));
    }
};

QTEST_MAIN(TestNetworkModules)
#include "tst_networkmodules.moc"
