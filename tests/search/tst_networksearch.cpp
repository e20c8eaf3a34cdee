#include "analyzer/SearchCommandCreator.h"
#include "communication/DeviceConnectionInfo.h"
#include "search/ISearchInfo.h"
#include "search/MacIpMapper.h"
#include "search/ModuleConnectionInfo.h"
#include "search/NetworkSearch.h"
#include "tests/support/AnalyzerSimulator.h"
#include "tests/support/ModuleSimulator.h"
#include "tests/support/SimulatorTcpModule.h"

#include <QSignalSpy>
#include <QtTest>

using namespace Common::Communication;

namespace {

// The product never searches the LAN; this search information does.
struct LanSearchInfo : ISearchInfo
{
    QVector<int> baudRates() override { return {}; }
    SearchOptions searchOptions() override
    {
        SearchOptions options;
        options.networkSearch = 1;
        return options;
    }
    QVector<int> commandVariants() override { return {0}; }
    int networkVariant() override { return 0; }
    ISearchCommandCreator* commandCreator() override { return &creator; }
    KD::Communication::SearchCommandCreator creator;
};

// A module simulator with an analyzer behind its TCP side.
struct LanDevice
{
    LanDevice(ModuleSimulator::Kind kind) : module(kind, QHostAddress::AnyIPv4), tcp(&analyzer)
    {
        tcp.listen();
        module.port_ = module.remotePort = tcp.port();
    }
    AnalyzerSimulator analyzer;
    ModuleSimulator module;
    SimulatorTcpModule tcp;
};

QList<DeviceConnectionInfo> devices(const QSignalSpy& spy)
{
    QList<DeviceConnectionInfo> all;
    for (const auto& args : spy)
        all << args.at(0).value<DeviceConnectionInfo>();
    return all;
}

} // namespace

class TestNetworkSearch : public QObject
{
    Q_OBJECT

private:
    // A short search aimed at the simulators' ports on loopback.
    void aim(NetworkSearch& search, quint16 tibbo, quint16 esp)
    {
        search.setTimings(20, 10, 50);
        search.setProbeTimings({300, 200});
        ModuleEndpoints endpoints;
        endpoints.tibbo = tibbo;
        endpoints.esp = esp;
        endpoints.espBroadcast = m_unused.localPort();
        endpoints.broadcast = QHostAddress(QStringLiteral("127.255.255.255"));
        search.moduleSearch().setModuleEndpoints(endpoints);
        search.moduleSearch().setInterfaceLister([] {
            NetworkInterfaceInfo info;
            info.name = "eth0";
            info.up = true;
            info.addresses.append({QHostAddress("127.0.0.1"), 0xff000000});
            return QList<NetworkInterfaceInfo>{info};
        });
    }

    QUdpSocket m_unused;
    LanSearchInfo m_info;
    MacIpMapper m_mapper;

private slots:
    void initTestCase()
    {
        registerConnectionRecordTypes();
        QVERIFY(m_unused.bind(QHostAddress(QHostAddress::LocalHost), 0));
    }

    // A Tibbo and an ESP module in server mode: the analyzers behind both are
    // identified, each with its module's settings, and the search ends.
    void findsTheAnalyzersBehindReachableModules()
    {
        LanDevice tibbo(ModuleSimulator::Tibbo);
        LanDevice esp(ModuleSimulator::Esp);
        esp.module.mac = 0x0a0b0c0d0e0fULL;
        esp.analyzer.setIdentification(
            {"WAG-60", "SN 00456 X7", "2024-05-01", "v2.08", "--", "--"});
        NetworkSearch search(&m_info, nullptr, &m_mapper, nullptr);
        aim(search, tibbo.module.port(), esp.module.port());
        QSignalSpy found(&search, &NetworkSearch::deviceFound);
        QSignalSpy progress(&search, &NetworkSearch::progress);
        QSignalSpy lines(&search, &NetworkSearch::newLogLine);
        search.start();
        QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty() && progress.last().at(0).toInt() == 100,
                                 10000);
        const QList<DeviceConnectionInfo> all = devices(found);
        QCOMPARE(all.size(), 2);
        QStringList models;
        for (const DeviceConnectionInfo& device : all) {
            models << device.deviceInfo.model;
            QVERIFY(device.reasons.isEmpty());
            QVERIFY(device.networkInterface.isValid());
            QVERIFY(device.connectionInfo.networkPart().isClient());
            QCOMPARE(device.connectionInfo.networkPart().port(), device.networkInterface.port());
        }
        models.sort();
        QCOMPARE(models, (QStringList{"WAG-50", "WAG-60"}));
        bool known = false;
        QCOMPARE(m_mapper.lookup(QHostAddress("127.0.0.1").toIPv4Address(), &known) != 0, true);
        QVERIFY(known);
        int previous = 0;
        for (const auto& args : progress) {
            QVERIFY(args.at(0).toInt() >= previous);
            previous = args.at(0).toInt();
        }
        QVERIFY(lines.count() > 4);
    }

    // A module in client mode that would call another PC is reported with
    // its reason and no identification; no probe is started for it.
    void unreachableModuleIsReportedWithItsReason()
    {
        LanDevice tibbo(ModuleSimulator::Tibbo);
        tibbo.module.routingMode = 2;
        tibbo.module.port_ = 1234; // a Tibbo keeps its own port apart from the PC's
        tibbo.module.remoteIp = QHostAddress("127.0.0.9");
        ModuleSimulator silentEsp(ModuleSimulator::Esp, QHostAddress::AnyIPv4);
        silentEsp.silent = true;
        NetworkSearch search(&m_info, nullptr, &m_mapper, nullptr);
        aim(search, tibbo.module.port(), silentEsp.port());
        QSignalSpy found(&search, &NetworkSearch::deviceFound);
        QSignalSpy lines(&search, &NetworkSearch::newLogLine);
        search.start();
        QTRY_COMPARE(found.count(), 1);
        const DeviceConnectionInfo device = devices(found).first();
        QCOMPARE(device.reasons, QVector<int>{5});
        QVERIFY(device.deviceInfo.model.isEmpty());
        // Client mode: the PC listens for the module, at its remote port,
        // and the record names the same connection as the row.
        QVERIFY(device.connectionInfo.networkPart().isServer());
        QCOMPARE(device.connectionInfo.networkPart().port(), tibbo.tcp.port());
        QCOMPARE(device.connectionInfo.networkPart().mac(), tibbo.module.mac);
        QCOMPARE(makeConnectionInfo(device.networkInterface), device.connectionInfo);
        QVERIFY(lines.last().at(0).toString().endsWith(
            ": Device not reachable (device can not reach comp (wrong remote ip setting))"));
        QVERIFY(tibbo.analyzer.receivedLines().isEmpty());
    }

    // Stopped while a probe of the typed-in address still waits: the end
    // comes only once the probe has finished, and nothing is reported.
    void stopWaitsForThePendingProbe()
    {
        AnalyzerSimulator analyzer;
        analyzer.setSilent(true);
        SimulatorTcpModule tcp(&analyzer);
        QVERIFY(tcp.listen());
        ModuleSimulator tibbo(ModuleSimulator::Tibbo, QHostAddress::AnyIPv4);
        tibbo.silent = true;
        NetworkSearch search(&m_info, nullptr, &m_mapper, nullptr);
        aim(search, tibbo.port(), tibbo.port());
        search.setDirectTarget(QHostAddress("127.0.0.1"), tcp.port());
        QSignalSpy found(&search, &NetworkSearch::deviceFound);
        QSignalSpy progress(&search, &NetworkSearch::progress);
        QSignalSpy lines(&search, &NetworkSearch::newLogLine);
        search.start();
        QTRY_VERIFY(tcp.hasClient());
        search.stop();
        QTRY_VERIFY(!progress.isEmpty() && progress.last().at(0).toInt() == 99);
        QTRY_VERIFY_WITH_TIMEOUT(progress.last().at(0).toInt() == 100, 5000);
        QCOMPARE(found.count(), 0);
        QStringList text;
        for (const auto& args : lines)
            text << args.at(0).toString();
        QVERIFY(text.contains(QString("Checking direct connection: 127.0.0.1:%1").arg(tcp.port())));
        QVERIFY(text.contains("Stopping network search..."));
        QVERIFY(text.last().endsWith(": does not respond"));
    }
};

QTEST_MAIN(TestNetworkSearch)
#include "tst_networksearch.moc"
