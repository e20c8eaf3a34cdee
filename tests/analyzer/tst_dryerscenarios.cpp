// The facade and its operations against the simulated analyzer over a pty,
// with the facade on a communication thread of its own.
#include "analyzer/CommandCodes.h"
#include "analyzer/NDryer.h"
#include "analyzer/NonDestructiveSlotReader.h"
#include "analyzer/NonDestructiveSlotWriter.h"
#include "analyzer/SettingLoader.h"
#include "analyzer/SettingSetter.h"
#include "analyzer/SlotMover.h"
#include "analyzer/Starter.h"
#include "communication/CRS232.h"
#include "communication/CommnadEngine.h"
#include "tests/support/AnalyzerSimulator.h"
#include "tests/support/DryingSettingsFixtures.h"
#include "tests/support/OnThread.h"
#include "tests/support/QueuedSignalSpy.h"
#include "tests/support/SimulatedDryer.h"
#include "tests/support/SimulatorPtyLink.h"

#include <QThread>
#include <QtTest>
#include <memory>

using namespace KD::Communication;
using Common::Communication::IDevice;
using Sim = SimulatedDryer;

namespace {
const int replyTimeoutMs = 250;
} // namespace

class TestDryerScenarios : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AnalyzerSimulator> sim;
    std::unique_ptr<SimulatedDryer> device;
    std::unique_ptr<SimulatorPtyLink> link;
    QThread thread;
    NDryer* dryer = nullptr;

    QByteArrayList received() const { return sim->receivedLines(); }

    static bool waitFinished(QSignalSpy& spy, bool expected)
    {
        return spy.wait(5000) && spy.count() == 1 && spy.at(0).at(0).toBool() == expected;
    }

private slots:
    void initTestCase()
    {
        registerMeasurementType();
        qRegisterMetaType<CommandRequest>();
        thread.start();
    }

    void cleanupTestCase()
    {
        thread.quit();
        thread.wait();
    }

    void init()
    {
        sim = std::make_unique<AnalyzerSimulator>();
        device = std::make_unique<SimulatedDryer>(sim.get());
        device->setReadingPeriod(40);
        link = std::make_unique<SimulatorPtyLink>(sim.get());
        QVERIFY(link->open());

        dryer = new NDryer(&thread);
        dryer->engine()->setReplyTimeout(replyTimeoutMs);
        auto commandEngine = new Common::Communication::CommnadEngine;
        commandEngine->setInterface(new CRS232(link->slavePath(), 9600, QString()));
        commandEngine->moveToThread(&thread);
        dryer->engine()->setCommandEngine(commandEngine);
        dryer->engine()->requestConnect();
        QTRY_COMPARE(dryer->engine()->connectionState(), 1);
        sim->clearReceived();
    }

    void cleanup()
    {
        if (dryer->engine()->connectionState() != 2) {
            dryer->engine()->requestDisconnect();
            QTRY_COMPARE(dryer->engine()->connectionState(), 2);
        }
        onThread(dryer, [this] { delete dryer; });
        dryer = nullptr;
        link.reset();
        device.reset();
        sim.reset();
    }

    void secondForwarderRefusedWhilePending()
    {
        QueuedSignalSpy finished(dryer, &NDryer::commandFinished);
        QVERIFY(dryer->loadSamplesQuantity());
        QVERIFY(!dryer->loadSamplingTime());
        QVERIFY(finished.wait());
        QCOMPARE(finished.at(0).at(1).toInt(), int(Code::LoadSamplesQuantity));
        QCOMPARE(received(), QByteArrayList{"Sd3"});
    }

    void loadEachProfile_data()
    {
        QTest::addColumn<int>("profile");
        QTest::addColumn<QByteArrayList>("tail");
        QTest::newRow("standard") << 0 << QByteArrayList{};
        QTest::newRow("slow") << 1 << QByteArrayList{"Sv0"};
        QTest::newRow("step") << 2 << QByteArrayList{"Sv1", "Sv2", "Sv3", "Sv4"};
        QTest::newRow("fast") << 3 << QByteArrayList{"Sv5", "Sv6"};
        QTest::newRow("spec") << 4 << QByteArrayList{};
    }
    void loadEachProfile()
    {
        QFETCH(int, profile);
        QFETCH(QByteArrayList, tail);
        const QByteArrayList values{
            "105.6", "0",  "1",   "4",  "12",  "3723", QByteArray::number(profile),
            "600",   "60", "120", "95", "115", "90",   "170"};
        for (int i = 0; i < Sim::ParameterCount; ++i)
            device->setParameter(i, values.at(i));

        SettingLoader loader(dryer);
        QSignalSpy finished(&loader, &SettingLoader::finished);
        loader.load();
        QVERIFY(waitFinished(finished, true));
        QCOMPARE(received(),
                 (QByteArrayList{"Sd0", "Sd1", "Sd2", "Sd3", "Sd4", "Sd5", "Sd6"} + tail));

        const DryingSettings s = loader.settings();
        QCOMPARE(s.mainTemperature(), 106);
        QCOMPARE(s.workMode(), WorkMode::Short);
        QCOMPARE(s.calcFormula(), CalcFormula::MnOverM0);
        QCOMPARE(s.samplesQuantity(), 4);
        QCOMPARE(s.samplingTime(), 12);
        QCOMPARE(s.dryingTime(), QTime(1, 2, 3));
        QCOMPARE(int(s.dryingProfile()), profile);
        if (profile == DryingProfile::Slow)
            QCOMPARE(s.slowTime(), QTime(0, 10, 0));
        if (profile == DryingProfile::Step) {
            QCOMPARE(s.stepTime1(), QTime(0, 1, 0));
            QCOMPARE(s.stepTime2(), QTime(0, 2, 0));
            QCOMPARE(s.stepTemperature1(), 95);
            QCOMPARE(s.stepTemperature2(), 115);
        }
        if (profile == DryingProfile::Fast) {
            QCOMPARE(s.fastTime(), QTime(0, 1, 30));
            QCOMPARE(s.fastTemperature(), 170);
        }
    }

    void writeThenReadBack()
    {
        SettingSetter setter(dryer);
        QSignalSpy written(&setter, &SettingSetter::finished);
        setter.set(fastSettings());
        QVERIFY(waitFinished(written, true));
        QCOMPARE(received(), (QByteArrayList{"Su0160", "Su10", "Su22", "Su33", "Su410", "Su51200",
                                             "Su63", "Sp5150", "Sp6180"}));

        SettingLoader loader(dryer);
        QSignalSpy loaded(&loader, &SettingLoader::finished);
        loader.load();
        QVERIFY(waitFinished(loaded, true));
        QCOMPARE(loader.settings(), fastSettings());
    }

    // The slot gets the desired set and the current parameters come back.
    void slotRoundTrip()
    {
        SettingSetter setter(dryer);
        QSignalSpy written(&setter, &SettingSetter::finished);
        setter.set(fastSettings());
        QVERIFY(waitFinished(written, true));

        NonDestructiveSlotWriter writer(dryer);
        QSignalSpy writerDone(&writer, &NonDestructiveSlotWriter::finished);
        writer.start(4, stepSettings());
        QVERIFY(waitFinished(writerDone, true));
        QCOMPARE(writer.step(), 0);
        QCOMPARE(device->slotParameter(5, Sim::StepTemperature2), QByteArray("120"));
        QCOMPARE(device->parameter(Sim::Temperature), QByteArray("160"));

        sim->clearReceived();
        NonDestructiveSlotReader reader(dryer);
        QSignalSpy readerDone(&reader, &NonDestructiveSlotReader::finished);
        QVector<int> steps;
        connect(&reader, &NonDestructiveSlotReader::stateChanged, this,
                [&] { steps << reader.step(); });
        reader.start(4);
        QVERIFY(waitFinished(readerDone, true));
        QCOMPARE(steps, (QVector<int>{1, 2, 3, 4, 0}));
        QCOMPARE(reader.result(), stepSettings());
        QVERIFY(received().contains("Su85"));

        SettingLoader loader(dryer);
        QSignalSpy loaded(&loader, &SettingLoader::finished);
        loader.load();
        QVERIFY(waitFinished(loaded, true));
        QCOMPARE(loader.settings(), fastSettings());
    }

    void silentParameterRead()
    {
        sim->setCommand("Sd3", [](const QByteArray&) {});
        SettingLoader loader(dryer);
        QSignalSpy finished(&loader, &SettingLoader::finished);
        loader.load();
        QVERIFY(waitFinished(finished, false));
        QCOMPARE(loader.errorInfo(), KD::OperationError(2, 0, 113));
        // Written once and twice more before giving up; nothing after it.
        QCOMPARE(received().count("Sd3"), 3);
        QCOMPARE(received().last(), QByteArray("Sd3"));
    }

    void slotFailures()
    {
        SlotMover mover(dryer);
        QSignalSpy moved(&mover, &SlotMover::finished);
        mover.moveFromSlot(0);
        QVERIFY(waitFinished(moved, true));
        QCOMPARE(received(), QByteArrayList{"Su81"});

        moved.clear();
        mover.moveFromSlot(SimulatedDryer::SlotCount);
        QVERIFY(waitFinished(moved, false));
        QCOMPARE(mover.errorInfo(), KD::OperationError(6, 0, 108));

        NonDestructiveSlotReader reader(dryer);
        QSignalSpy readerDone(&reader, &NonDestructiveSlotReader::finished);
        reader.start(SimulatedDryer::SlotCount);
        QVERIFY(waitFinished(readerDone, false));
        QCOMPARE(reader.errorInfo(), KD::OperationError(4, 6, 108));
        QCOMPARE(reader.step(), 0);
    }

    // A slot writer that fails while putting the first parameters back.
    void slotWriterWriteBackFails()
    {
        int formulaWrites = 0;
        sim->setCommand("Su2", [&](const QByteArray&) {
            if (++formulaWrites == 1)
                sim->reply("MQ");
        });
        NonDestructiveSlotWriter writer(dryer);
        QSignalSpy done(&writer, &NonDestructiveSlotWriter::finished);
        writer.start(0, stepSettings());
        QVERIFY(waitFinished(done, false));
        QCOMPARE(writer.errorInfo(), KD::OperationError(3, 1, 102));
    }

    void startReadingsStop()
    {
        device->setParameter(Sim::SamplingTime, "10");
        Starter starter(dryer);
        QSignalSpy errors(&starter, &Starter::error);
        QueuedSignalSpy starts(dryer, &NDryer::dryingStart);
        QueuedSignalSpy records(dryer, &NDryer::recordAppeared);
        QueuedSignalSpy stops(dryer, &NDryer::dryingStop);

        QVERIFY(starter.start());
        QVERIFY(starts.wait());
        QCOMPARE(starts.at(0), (QList<QVariant>{true, 10}));
        QTRY_VERIFY(records.count() >= 4);
        QCOMPARE(records.at(0).at(0).value<Measurement>().value, 5.0f);
        QCOMPARE(records.at(1).at(0).value<Measurement>().value, 4.95f);
        QCOMPARE(records.at(1).at(0).value<Measurement>().unit, QStringLiteral("g"));

        // Once decided, the start is not blamed for a later failure.
        sim->setCommand("Sd0", [](const QByteArray&) {});
        QueuedSignalSpy finished(dryer, &NDryer::commandFinished);
        QVERIFY(dryer->loadMainTemperature());
        QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty() && finished.last().at(0).toInt() == 3, 5000);
        QCOMPARE(errors.count(), 0);

        QVERIFY(starter.stop());
        QVERIFY(stops.wait());
        QVERIFY(!device->isRunning());
        QCOMPARE(received().mid(0, 1), QByteArrayList{"Sx6"});
        QVERIFY(received().contains("Sx7"));

        QCOMPARE(errors.count(), 0);
    }

    void startWithTooSmallMass()
    {
        device->setInitialMass(0.01);
        Starter starter(dryer);
        QSignalSpy errors(&starter, &Starter::error);
        QueuedSignalSpy starts(dryer, &NDryer::dryingStart);
        QueuedSignalSpy records(dryer, &NDryer::recordAppeared);
        QVERIFY(starter.start());
        QVERIFY(starts.wait());
        QCOMPARE(starts.at(0).at(0).toBool(), false);
        // The reply to a following command comes after all the start sent.
        QueuedSignalSpy finished(dryer, &NDryer::commandFinished);
        QVERIFY(dryer->loadMainTemperature());
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.at(0).at(0).toInt(), 1);
        QCOMPARE(records.count(), 0);
        QCOMPARE(errors.count(), 0);
    }

    void silentStartIsAnError()
    {
        sim->setCommand("Sx6", [](const QByteArray&) {});
        Starter starter(dryer);
        QSignalSpy errors(&starter, &Starter::error);
        QVERIFY(starter.start());
        QVERIFY(errors.wait(5000));
        QCOMPARE(starter.errorInfo(), KD::OperationError(8, 0, 0));
    }

    void keyboardStartAndRunEnd()
    {
        device->setParameter(Sim::SamplingTime, "5");
        device->setReadingsPerRun(3);
        QueuedSignalSpy starts(dryer, &NDryer::dryingStart);
        QueuedSignalSpy records(dryer, &NDryer::recordAppeared);
        QueuedSignalSpy stops(dryer, &NDryer::dryingStop);
        device->startFromKeyboard();
        QVERIFY(stops.wait());
        QCOMPARE(starts.count(), 1);
        QCOMPARE(starts.at(0), (QList<QVariant>{true, 5}));
        QCOMPARE(records.count(), 4);
        QCOMPARE(records.at(3).at(0).value<Measurement>().value, 4.85f);
    }

    // With a quiet period shorter than the sampling interval, a reading that
    // arrives while the echo waits for "MJ" still reaches the run, and the
    // connection holds.
    void measurementDuringEcho()
    {
        sim->setCommand("SJ", [this](const QByteArray&) {
            sim->reply("1.234 g");
            sim->setReplyDelay(50);
            sim->reply("MJ");
            sim->setReplyDelay(0);
        });
        QueuedSignalSpy records(dryer, &NDryer::recordAppeared);
        QueuedSignalSpy state(dryer->engine(), &IDevice::connectionStateChanged);
        auto engine = dryer->engine();
        onThread(engine, [engine] {
            engine->setEchoInterval(100);
            engine->setEchoEnabled(true);
        });
        QTRY_VERIFY(records.count() >= 2);
        QCOMPARE(records.at(0).at(0).value<Measurement>().value, 1.234f);
        QVERIFY(received().count("SJ") >= 2);
        QCOMPARE(state.count(), 0);
        onThread(engine, [engine] { engine->setEchoEnabled(false); });
    }
};

QTEST_GUILESS_MAIN(TestDryerScenarios)
#include "tst_dryerscenarios.moc"
