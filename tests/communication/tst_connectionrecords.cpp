#include "communication/DeviceConnectionInfo.h"
#include "communication/MacConversions.h"
#include "communication/TimeConversions.h"

#include <QSignalSpy>
#include <QtTest>

using namespace Common::Communication;

namespace {

const quint64 kMac = 0x001A2B3C4D5EULL;

ConnectionInfo serial(const QString& port, int baud, const QString& description = QString())
{
    ConnectionInfo info;
    info.setSerialPart({port, baud, description});
    return info;
}

ConnectionInfo client(const QString& device, const QString& local, int port)
{
    NetworkConnectionPart part;
    part.setClient(QHostAddress(device), QHostAddress(local), port);
    ConnectionInfo info;
    info.setNetworkPart(part);
    return info;
}

ConnectionInfo server(const QString& address, int port, quint64 mac)
{
    NetworkConnectionPart part;
    part.setServer(QHostAddress(address), port, mac);
    ConnectionInfo info;
    info.setNetworkPart(part);
    return info;
}

class Emitter : public QObject
{
    Q_OBJECT
signals:
    void found(QVariant record);
};

} // namespace

class TestConnectionRecords : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerConnectionRecordTypes(); }

    void macTextsParse()
    {
        QCOMPARE(macTextToU64("00-1A-2b-3C-4d-5E"), kMac);
        QCOMPARE(macTextToU64("00:1a:2b:3c:4d:5e"), kMac);
        QCOMPARE(macTextToU64(QByteArray("001a2b3c4d5e\0garbage", 20)), kMac);
        QCOMPARE(macTextToU64("xyz"), quint64(0));
        QCOMPARE(macTextToU64(""), quint64(0));
    }

    void macTextsFormat()
    {
        QCOMPARE(u64ToMacText(1, ':', false), QByteArray("00:00:00:00:00:01"));
        QCOMPARE(macToText(kMac), QByteArray("00:1a:2b:3c:4d:5e"));
        QCOMPARE(macToUpperText(kMac), QByteArray("00:1A:2B:3C:4D:5E"));
        QCOMPARE(u64ToMacText(kMac, '-', true), QByteArray("00-1A-2B-3C-4D-5E"));
        QCOMPARE(macTextToU64(macToText(0xFFFFFFFFFFFFULL)), 0xFFFFFFFFFFFFULL);
    }

    void dottedMacs()
    {
        QCOMPARE(dottedMacFromU64(kMac), QByteArray("0.26.43.60.77.94"));
        QCOMPARE(dottedMacToU64("0.26.43.60.77.94"), kMac);
        QCOMPARE(dottedMacToU64("0.26.43.60.77"), quint64(0));
        QCOMPARE(dottedMacToU64("0.26.43.60.77.94.1"), quint64(0));
        QCOMPARE(dottedMacToU64("0.26.43.60.77.x"), quint64(0));
        // A byte above 255 would corrupt its neighbour.
        QCOMPARE(dottedMacToU64("0.26.43.60.77.256"), quint64(0));
    }

    void timeConversions()
    {
        QCOMPARE(timeToSeconds(QTime(1, 2, 3)), 3723);
        QCOMPARE(timeToSeconds(QTime(1, 2, 3, 999)), 3723);
        QCOMPARE(secondsToTime(90000), QTime(1, 0, 0));
        QCOMPARE(secondsToTime(59), QTime(0, 0, 59));
        QCOMPARE(msecsToTime(1500), QTime(0, 0, 1, 500));
        QCOMPARE(timeToMinutesText(QTime(0, 5, 7)), QStringLiteral("05:07"));
        QCOMPARE(timeToText(QTime(13, 5, 7)), QStringLiteral("13:05:07"));
        QCOMPARE(msecsToTimeText(3723000, QStringLiteral("hh:mm:ss")), QStringLiteral("01:02:03"));
    }

    void equality()
    {
        QVERIFY(serial("COM3", 9600, "a") == serial("COM3", 9600, "b"));
        QVERIFY(serial("COM3", 9600) != serial("COM3", 115200));
        QVERIFY(serial("COM3", 9600) != serial("COM4", 9600));
        QVERIFY(ConnectionInfo() != ConnectionInfo());

        QVERIFY(client("10.0.0.5", "10.0.0.1", 1001) == client("10.0.0.5", "10.0.0.1", 1001));
        QVERIFY(client("10.0.0.5", "10.0.0.1", 1001) != client("10.0.0.5", "10.0.0.2", 1001));
        QVERIFY(client("10.0.0.5", "10.0.0.1", 1001) != client("10.0.0.5", "10.0.0.1", 1002));
        QVERIFY(server("10.0.0.1", 1001, kMac) == server("10.0.0.1", 1001, kMac));
        QVERIFY(server("10.0.0.1", 1001, kMac) != server("10.0.0.1", 1001, kMac + 1));
        // Same address and port, different kinds.
        QVERIFY(client("10.0.0.1", "", 1001) != server("10.0.0.1", 1001, 0));
        // Never equal across parts, even for the same device.
        QVERIFY(serial("COM3", 9600) != client("10.0.0.5", "10.0.0.1", 1001));
    }

    void displayTexts()
    {
        QCOMPARE(serial("COM3", 9600, "USB Serial").toDisplayString(),
                 QStringLiteral("COM3 (USB Serial,9600)"));
        QCOMPARE(client("10.0.0.5", "10.0.0.1", 1001).toDisplayString(),
                 QStringLiteral("LAN (10.0.0.5,1001)"));
        QCOMPARE(server("10.0.0.1", 1001, kMac).toDisplayString(),
                 QStringLiteral("LAN Server (10.0.0.1,1001)"));
        QCOMPARE(ConnectionInfo().toDisplayString(), QStringLiteral("No interface"));
        QCOMPARE(ConnectionInfo().serialPart().baudRate, 9600);
    }

    void deviceRecordsCompareIdentity()
    {
        DeviceConnectionInfo a;
        a.connectionInfo = serial("COM3", 9600);
        a.deviceInfo = {"WAG", "123", "2024", "1.0"};
        a.commandVariant = 1;
        DeviceConnectionInfo b = a;
        b.commandVariant = 2;
        b.reasons = {3};
        QVERIFY(a == b);
        b.deviceInfo.firmware = "1.1";
        QVERIFY(a != b);
    }

    void recordsCrossThreadsInVariants()
    {
        QVERIFY(QMetaType::type("Common::Communication::ConnectionInfo") != QMetaType::UnknownType);
        QVERIFY(QMetaType::type("Common::Communication::DeviceInfo") != QMetaType::UnknownType);
        QVERIFY(QMetaType::type("Common::Communication::DeviceConnectionInfo")
                != QMetaType::UnknownType);

        DeviceConnectionInfo sent;
        sent.connectionInfo = server("127.0.0.1", 4001, kMac);
        sent.deviceInfo = {"WAG", "123", "2024", "1.0"};
        sent.reasons = {1, 6};

        Emitter emitter;
        QThread thread;
        emitter.moveToThread(&thread);
        QVariant got;
        connect(
            &emitter, &Emitter::found, this, [&](QVariant v) { got = v; }, Qt::QueuedConnection);
        thread.start();
        QMetaObject::invokeMethod(&emitter, [&] { emit emitter.found(QVariant::fromValue(sent)); });
        QTRY_VERIFY(got.isValid());
        thread.quit();
        thread.wait();
        const auto back = got.value<DeviceConnectionInfo>();
        QVERIFY(back == sent);
        QCOMPARE(back.reasons, sent.reasons);
        QCOMPARE(back.connectionInfo.networkPart().mac(), kMac);
    }
};

QTEST_GUILESS_MAIN(TestConnectionRecords)
#include "tst_connectionrecords.moc"
