#include "communication/ILogger.h"
#include "communication/IOInterfaceModule.h"
#include "search/IModuleReceiver.h"
#include "search/ModuleSearch.h"
#include "tests/support/ModuleSimulator.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

using namespace Common::Communication;

namespace {

struct Receiver : IModuleReceiver
{
    void onModuleInfo(IOInterfaceModule* module) override { modules << module; }
    QList<QPointer<IOInterfaceModule>> modules;
};

struct Log : ILogger
{
    void received(QString where, QDateTime, QString text) override { in << where + " " + text; }
    void sent(QString where, QDateTime, QString text) override { out << where + " " + text; }
    QStringList in;
    QStringList out;
};

NetworkInterfaceInfo interface(const QString& name, const QString& ip, quint32 netmask)
{
    NetworkInterfaceInfo info;
    info.name = name;
    info.up = true;
    info.addresses.append({QHostAddress(ip), netmask});
    return info;
}

} // namespace

class TestModuleSearch : public QObject
{
    Q_OBJECT

private:
    // Discovery aimed at the simulators: their ports, loopback's broadcast.
    void aim(ModuleSearch& search, const ModuleSimulator& tibbo, const ModuleSimulator& esp,
             const QList<NetworkInterfaceInfo>& interfaces)
    {
        ModuleEndpoints endpoints;
        endpoints.tibbo = tibbo.port();
        endpoints.esp = esp.port();
        endpoints.espBroadcast = m_unused.localPort();
        endpoints.broadcast = QHostAddress(QStringLiteral("127.255.255.255"));
        search.setModuleEndpoints(endpoints);
        search.setInterfaceLister([interfaces] { return interfaces; });
        search.setLogger(&m_log);
    }

    QUdpSocket m_unused; // a port nobody answers on
    Log m_log;

private slots:
    void initTestCase() { QVERIFY(m_unused.bind(QHostAddress(QHostAddress::LocalHost), 0)); }
    void init() { m_log = Log(); }

    void skipsLoopbackAndDownInterfacesAndAsksFromEveryAddress()
    {
        ModuleSimulator tibbo(ModuleSimulator::Tibbo, QHostAddress::AnyIPv4);
        ModuleSimulator esp(ModuleSimulator::Esp, QHostAddress::AnyIPv4);
        tibbo.silent = esp.silent = true;
        Receiver receiver;
        ModuleSearch search(&receiver);
        NetworkInterfaceInfo lo = interface("lo", "127.0.0.1", 0xff000000);
        lo.loopback = true;
        NetworkInterfaceInfo down = interface("eth1", "127.0.0.5", 0xff000000);
        down.up = false;
        NetworkInterfaceInfo twice = interface("eth0", "127.0.0.1", 0xff000000);
        twice.addresses.append({QHostAddress("127.0.0.2"), 0xff000000});
        aim(search, tibbo, esp, {lo, down, twice});
        QSignalSpy lines(&search, &ModuleSearch::newLogLine);
        search.broadcastEcho();
        QCOMPARE(lines.count(), 4);
        QCOMPARE(lines.at(0).at(0).toString(), QString("lo:  This is loopback interface."));
        QCOMPARE(lines.at(1).at(0).toString(), QString("eth1:  This interface is 'down'."));
        QCOMPARE(lines.at(2).at(0).toString(),
                 QString("eth0: 127.0.0.1  Now broadcasting 'Echo command'"));
        QCOMPARE(m_log.out.size(), 6);
        QCOMPARE(m_log.out.first(), QString("BROADCAST, %1 X").arg(tibbo.port()));
        QTRY_COMPARE(tibbo.received.size(), 2);
        QTRY_COMPARE(esp.received.size(), 2);
        QCOMPARE(esp.received.first(), QString("AT+ASTATUS?\r\n"));
    }

    // Both kinds answer; each module's configuration is read in turn and the
    // module handed on with what it read.
    void findsAndReadsEachModule()
    {
        ModuleSimulator tibbo(ModuleSimulator::Tibbo, QHostAddress::AnyIPv4);
        ModuleSimulator esp(ModuleSimulator::Esp, QHostAddress::AnyIPv4);
        tibbo.port_ = 3001;
        tibbo.dhcp = tibbo.addressObtained = true;
        esp.port_ = 3002;
        esp.mac = 0x0a0b0c0d0e0fULL;
        Receiver receiver;
        ModuleSearch search(&receiver);
        aim(search, tibbo, esp, {interface("eth0", "127.0.0.1", 0xff000000)});
        search.broadcastEcho();
        QTRY_COMPARE(receiver.modules.size(), 2);
        QList<int> ports;
        for (const auto& module : receiver.modules) {
            QVERIFY(module);
            ports << module->port();
            if (module->port() == 3001) {
                QCOMPARE(module->mac(), tibbo.mac);
                QVERIFY(module->isAddressObtained());
            } else {
                QCOMPARE(module->mac(), esp.mac);
            }
        }
        std::sort(ports.begin(), ports.end());
        QCOMPARE(ports, (QList<int>{3001, 3002}));
        QVERIFY(m_log.in.size() >= 2); // replies and the modules' own traffic
    }

    // A module that answers from outside the receiving address's subnet is
    // named at once and read only when the off-subnet timer fires.
    void offSubnetModuleIsReadLast()
    {
        ModuleSimulator tibbo(ModuleSimulator::Tibbo, QHostAddress::AnyIPv4);
        ModuleSimulator esp(ModuleSimulator::Esp, QHostAddress::AnyIPv4);
        esp.silent = true;
        Receiver receiver;
        ModuleSearch search(&receiver);
        search.setOffSubnetDelay(300);
        // A one-address subnet: the simulator's replies come from 127.0.0.1.
        aim(search, tibbo, esp, {interface("eth0", "127.0.0.3", 0xffffffff)});
        QSignalSpy lines(&search, &ModuleSearch::newLogLine);
        search.broadcastEcho();
        QTRY_COMPARE(search.deferredCount(), 1);
        QVERIFY(lines.last().at(0).toString().endsWith(" not in PC subnet - deferring query..."));
        QVERIFY(receiver.modules.isEmpty());
        QTRY_COMPARE(receiver.modules.size(), 1);
        QCOMPARE(lines.last().at(0).toString(),
                 QString("Querying devices detected outside of PC subnet"));
        QCOMPARE(search.deferredCount(), 0);
    }

    // A module that cannot be read is released with its socket; clear()
    // releases the queue's others.
    void unreadableModuleIsReleased()
    {
        ModuleSimulator tibbo(ModuleSimulator::Tibbo, QHostAddress::AnyIPv4);
        ModuleSimulator esp(ModuleSimulator::Esp, QHostAddress::AnyIPv4);
        esp.silent = true;
        tibbo.baudCode = 12; // the configuration read fails at its last step
        Receiver receiver;
        ModuleSearch search(&receiver);
        aim(search, tibbo, esp, {interface("eth0", "127.0.0.1", 0xff000000)});
        search.broadcastEcho();
        QTRY_VERIFY(tibbo.received.contains("GBR"));
        QTRY_VERIFY(search.findChildren<IOInterfaceModule*>().isEmpty());
        QVERIFY(receiver.modules.isEmpty());
        search.clear();
    }

    void splitReplyIsJoinedPerSender()
    {
        ModuleSimulator tibbo(ModuleSimulator::Tibbo, QHostAddress::AnyIPv4);
        ModuleSimulator esp(ModuleSimulator::Esp, QHostAddress::AnyIPv4);
        esp.silent = true;
        tibbo.splitReplies = true;
        Receiver receiver;
        ModuleSearch search(&receiver);
        aim(search, tibbo, esp, {interface("eth0", "127.0.0.1", 0xff000000)});
        search.broadcastEcho();
        QTRY_COMPARE(receiver.modules.size(), 1);
        QCOMPARE(receiver.modules.first()->mac(), tibbo.mac);
    }
};

QTEST_MAIN(TestModuleSearch)
#include "tst_modulesearch.moc"
