#include "communication/DevNetworkInterface.h"
#include "search/Reachability.h"
#include "search/UnreachableTrProvider.h"

#include <QtTest>

using namespace Common::Communication;

namespace {

// A module at 192.168.1.50/24 in server mode over TCP, seen from
// 192.168.1.10/24: reachable.
DevNetworkInterface module()
{
    DevNetworkInterface m;
    m.setRoutingMode(1);
    m.setTransportProtocol(1);
    m.setHostIp(QHostAddress("192.168.1.10"));
    m.setHostNetmask(0xFFFFFF00);
    m.setDeviceIp(QHostAddress("192.168.1.50"));
    m.setNetmask(QHostAddress("255.255.255.0"));
    m.setRemoteIp(QHostAddress("192.168.1.10"));
    m.setAddressObtained(true);
    return m;
}

} // namespace

class TestReachability : public QObject
{
    Q_OBJECT

private slots:
    void reasons_data()
    {
        QTest::addColumn<bool>("dhcp");
        QTest::addColumn<bool>("obtained");
        QTest::addColumn<int>("routing");
        QTest::addColumn<int>("transport");
        QTest::addColumn<QString>("deviceIp");
        QTest::addColumn<QString>("deviceMask");
        QTest::addColumn<QString>("remoteIp");
        QTest::addColumn<quint32>("hostMask");
        QTest::addColumn<QVector<int>>("expected");

        const QString in("192.168.1.50"), out("10.0.0.5"), pc("192.168.1.10");
        const QString mask("255.255.255.0"), other("10.0.0.1");
        const quint32 hostMask = 0xFFFFFF00;
        QTest::newRow("server, reachable")
            << false << true << 1 << 1 << in << mask << other << hostMask << QVector<int>{};
        QTest::newRow("dhcp without address")
            << true << false << 2 << 1 << out << mask << other << hostMask << QVector<int>{0};
        QTest::newRow("dhcp without address, udp")
            << true << false << 1 << 2 << out << mask << other << hostMask << QVector<int>{0, 6};
        QTest::newRow("server outside, dhcp")
            << true << true << 1 << 1 << out << mask << pc << hostMask << QVector<int>{1};
        QTest::newRow("server outside, static")
            << false << true << 1 << 1 << out << mask << pc << hostMask << QVector<int>{2};
        QTest::newRow("server ignores module mask")
            << false << true << 1 << 1 << in << "255.255.255.255" << other << hostMask
            << QVector<int>{};
        QTest::newRow("client both subnets wrong, dhcp")
            << true << true << 2 << 1 << out << mask << pc << hostMask << QVector<int>{3};
        QTest::newRow("client module mask wrong")
            << false << true << 2 << 1 << in << "255.255.255.255" << pc << hostMask
            << QVector<int>{4};
        QTest::newRow("client wrong remote, udp")
            << false << true << 2 << 2 << in << mask << other << hostMask << QVector<int>{5, 6};
        QTest::newRow("routing 0 is client")
            << false << true << 0 << 1 << in << mask << other << hostMask << QVector<int>{5};
        QTest::newRow("routing 3 is client")
            << false << true << 3 << 1 << in << mask << pc << hostMask << QVector<int>{};
        QTest::newRow("pc mask 0 takes every module")
            << false << true << 1 << 1 << out << mask << pc << 0u << QVector<int>{};
        QTest::newRow("module mask 0 takes every pc")
            << false << true << 2 << 1 << in << "0.0.0.0" << pc << hostMask << QVector<int>{};
    }

    void reasons()
    {
        QFETCH(bool, dhcp);
        QFETCH(bool, obtained);
        QFETCH(int, routing);
        QFETCH(int, transport);
        QFETCH(QString, deviceIp);
        QFETCH(QString, deviceMask);
        QFETCH(QString, remoteIp);
        QFETCH(quint32, hostMask);
        DevNetworkInterface m = module();
        m.setDhcp(dhcp);
        m.setAddressObtained(obtained);
        m.setRoutingMode(routing);
        m.setTransportProtocol(transport);
        m.setDeviceIp(QHostAddress(deviceIp));
        m.setNetmask(QHostAddress(deviceMask));
        m.setRemoteIp(QHostAddress(remoteIp));
        m.setHostNetmask(hostMask);
        QTEST(reachabilityReasons(m), "expected");
    }

    void texts()
    {
        QCOMPARE(UnreachableTrProvider::reasonText(7), QStringLiteral("Unknown reason"));
        QCOMPARE(UnreachableTrProvider::reasonText(-1), QStringLiteral("Unknown reason"));
        QCOMPARE(firstReasonText({}), QString());
        QCOMPARE(firstReasonText({5, 6}), UnreachableTrProvider::reasonText(5));
        QVERIFY(isReachable({}) && !isReachable({6}));
    }

    void sameSettings()
    {
        DevNetworkInterface a = module(), b = module();
        a.setDhcp(true);
        b.setDhcp(true);
        b.setDeviceIp(QHostAddress("10.0.0.5"));
        b.setNetmask(QHostAddress("255.0.0.0"));
        b.setGateway(QHostAddress("10.0.0.1"));
        b.setRemoteIp(QHostAddress("10.0.0.9")); // server mode: not compared
        QVERIFY(a.sameSettings(b));
        b.setDhcp(false);
        QVERIFY(!a.sameSettings(b));

        DevNetworkInterface c = module(), d = module();
        c.setRoutingMode(2);
        d.setRoutingMode(2);
        d.setRemoteIp(QHostAddress("10.0.0.9"));
        QVERIFY(!c.sameSettings(d));
        d = c;
        d.setPort(4001);
        QVERIFY(!c.sameSettings(d));
    }
};

QTEST_GUILESS_MAIN(TestReachability)
#include "tst_reachability.moc"
