#include "communication/ConnectionManager.h"
#include "communication/DeviceEngine.h"
#include "communication/InterfaceFactory.h"
#include "communication/TargetManager.h"
#include "tests/support/AnalyzerSimulator.h"
#include "tests/support/GenericCommandCreator.h"
#include "tests/support/OnThread.h"
#include "tests/support/RecordingCommandHandler.h"
#include "tests/support/RunningThread.h"
#include "tests/support/ScriptedInterface.h"
#include "tests/support/SimulatorPtyLink.h"

#include <QtTest>

using namespace Common::Communication;

namespace {

constexpr int AnalyzerType = 1;

ConnectionInfo serial(const QString& port)
{
    ConnectionInfo info;
    SerialConnectionPart part;
    part.portName = port;
    part.baudRate = 9600;
    info.setSerialPart(part);
    return info;
}

QString portOf(const QVariant& record)
{
    return record.value<ConnectionInfo>().serialPart().portName;
}

// An analyzer on a pty; its port is named by the letter it identifies with.
struct PtyAnalyzer
{
    AnalyzerSimulator simulator;
    SimulatorPtyLink link{&simulator};

    explicit PtyAnalyzer(const QByteArray& model)
    {
        simulator.setIdentification({model, "SN 1", "2024-01-01", "FW 1", "x", "y"});
    }
};

// Every record gets an in-memory device that identifies itself as "M".
class MemoryDevices : public InterfaceFactory
{
public:
    CInterface* create(const ConnectionInfo&) const override
    {
        auto* transport = new ScriptedInterface();
        transport->setScript([](const QByteArray& written) {
            return written == "SW9\r\n"
                       ? QByteArray("M\r\nSN 1\r\n2024-01-01\r\nFW 1\r\nx\r\ny\r\n")
                       : QByteArray();
        });
        return transport;
    }
};

} // namespace

class TestConnectionManager : public QObject
{
    Q_OBJECT

    RunningThread thread;
    TargetManager targets;
    DeviceEngine* engine = nullptr;
    ConnectionManager* manager = nullptr;
    PtyAnalyzer* a = nullptr;
    PtyAnalyzer* b = nullptr;
    QHash<QString, QString> names; // port -> A or B
    QStringList events;
    QList<QPair<bool, bool>> flags; // written on the worker thread

    QString name(const QVariant& record) { return names.value(portOf(record), "?"); }

private slots:
    void init()
    {
        a = new PtyAnalyzer("A");
        b = new PtyAnalyzer("B");
        QVERIFY(a->link.open());
        QVERIFY(b->link.open());
        names = {{a->link.slavePath(), "A"}, {b->link.slavePath(), "B"}};
        events.clear();
        flags.clear();

        engine = new DeviceEngine();
        auto* creator = new GenericCommandCreator(engine);
        auto* handler = new RecordingCommandHandler(engine);
        engine->setCommandCreator(creator);
        engine->setCommandHandler(handler);
        engine->setReplyTimeout(100);
        engine->moveToThread(&thread);
        targets.setTarget(AnalyzerType, engine);

        manager = new ConnectionManager(&targets, nullptr, nullptr, &thread);
        follow();
    }

    void follow()
    {
        connect(manager, &ConnectionManager::connectingTo, this,
                [this](QVariant ci) { events << "connecting " + name(ci); });
        connect(manager, &ConnectionManager::connectedTo, this, [this](QVariant ci, QVariant di) {
            events << "connected " + name(ci) + " " + di.value<DeviceInfo>().model;
        });
        connect(manager, &ConnectionManager::disconnectedFrom, this, [this](QVariant ci, int r) {
            events << QString("disconnected %1 %2").arg(name(ci)).arg(r);
        });
        connect(manager, &ConnectionManager::couldNotConnect, this,
                [this](QVariant ci) { events << "could not " + portOf(ci); });
        connect(manager, &ConnectionManager::disconnectionFinished, this,
                [this] { events << "finished"; });
    }

    void cleanup()
    {
        onThread(manager, [this] {
            delete manager;
            delete engine;
        });
        delete a;
        delete b;
    }

    // Receivers on the worker thread may call the manager back at once: it
    // emits with its mutex released.
    void connectsOverAnInjectedTransport()
    {
        onThread(manager, [this] { delete manager; });
        manager = new ConnectionManager(&targets, nullptr, nullptr, &thread,
                                        std::make_unique<MemoryDevices>());
        follow();
        const auto note = [this] { flags << manager->statusFlags(); };
        connect(manager, &ConnectionManager::connectedTo, manager, note, Qt::DirectConnection);
        connect(manager, &ConnectionManager::disconnectionFinished, manager, note,
                Qt::DirectConnection);

        QVERIFY(manager->requestConnect(serial("memory"), AnalyzerType));
        QTRY_COMPARE(events, QStringList({"connecting ?", "connected ? M"}));
        QVERIFY(manager->requestDisconnect());
        QTRY_COMPARE(events.mid(2), QStringList({"disconnected ? 2", "finished"}));
        onThread(manager, [] {});
        QCOMPARE(flags, (QList<QPair<bool, bool>>{{true, false}, {false, false}}));
    }

    void connectsAndDisconnects()
    {
        QVERIFY(manager->requestConnect(serial(a->link.slavePath()), AnalyzerType));
        QTRY_COMPARE(events, QStringList({"connecting A", "connected A A"}));
        QCOMPARE(manager->statusFlags(), qMakePair(true, false));
        QCOMPARE(manager->deviceType(), AnalyzerType);
        QVERIFY(manager->requestDisconnect());
        QTRY_COMPARE(events.mid(2), QStringList({"disconnected A 2", "finished"}));
        QCOMPARE(manager->statusFlags(), qMakePair(false, false));
    }

    void connectingToTheSameDeviceAgainEndsDisconnected()
    {
        QVERIFY(manager->requestConnect(serial(a->link.slavePath()), AnalyzerType));
        QTRY_COMPARE(events.size(), 2);
        QVERIFY(manager->requestConnect(serial(a->link.slavePath()), AnalyzerType));
        QTRY_COMPARE(events.mid(2), QStringList{"disconnected A 2"});
        QTRY_COMPARE(manager->statusFlags(), qMakePair(false, false));
        QVERIFY(!QTest::qWaitFor([this] { return events.size() > 3; }, 300));
    }

    void connectingToAnotherDeviceMovesThere()
    {
        QVERIFY(manager->requestConnect(serial(a->link.slavePath()), AnalyzerType));
        QTRY_COMPARE(events.size(), 2);
        QVERIFY(manager->requestConnect(serial(b->link.slavePath()), AnalyzerType));
        QTRY_COMPARE(events.mid(2),
                     QStringList({"disconnected A 2", "connecting B", "connected B B"}));
        QCOMPARE(manager->statusFlags(), qMakePair(true, false));
    }

    void oneRequestAtATime()
    {
        QVERIFY(manager->requestConnect(serial(a->link.slavePath()), AnalyzerType));
        QVERIFY(!manager->requestConnect(serial(b->link.slavePath()), AnalyzerType));
        QVERIFY(!manager->requestDisconnect());
        QCOMPARE(manager->statusFlags(), qMakePair(false, true));
        QTRY_COMPARE(events, QStringList({"connecting A", "connected A A"}));
        QVERIFY(manager->requestDisconnect());
    }

    void disconnectingWhenNothingIsConnectedFinishesAtOnce()
    {
        QVERIFY(manager->requestDisconnect());
        QTRY_COMPARE(events, QStringList{"finished"});
        QCOMPARE(manager->statusFlags(), qMakePair(false, false));
    }

    void failedAttemptsEndTheRequest()
    {
        // A port that does not exist cannot be opened.
        QVERIFY(manager->requestConnect(serial("/dev/no-such-port"), AnalyzerType));
        QTRY_COMPARE(events, QStringList{"could not /dev/no-such-port"});
        QCOMPARE(manager->statusFlags(), qMakePair(false, false));

        // A device that never identifies itself: no retry.
        events.clear();
        a->simulator.setSilent(true);
        QVERIFY(manager->requestConnect(serial(a->link.slavePath()), AnalyzerType));
        QTRY_COMPARE(events, QStringList({"connecting A", "disconnected A 1"}));
        QCOMPARE(manager->statusFlags(), qMakePair(false, false));
        QVERIFY(!QTest::qWaitFor([this] { return events.size() > 2; }, 300));

        // No device serves the type.
        events.clear();
        QVERIFY(manager->requestConnect(serial(b->link.slavePath()), 99));
        QTRY_COMPARE(events, QStringList{"could not " + b->link.slavePath()});
        QCOMPARE(manager->statusFlags(), qMakePair(false, false));
    }
};

QTEST_GUILESS_MAIN(TestConnectionManager)
#include "tst_connectionmanager.moc"
