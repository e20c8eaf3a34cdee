// Operations and facade without a device: refusals, error records and the
// order of the facade's signals.
#include "analyzer/NDryer.h"
#include "analyzer/NonDestructiveSlotReader.h"
#include "analyzer/NonDestructiveSlotWriter.h"
#include "analyzer/SettingLoader.h"
#include "analyzer/SettingSetter.h"
#include "analyzer/SlotMover.h"
#include "analyzer/StartType.h"
#include "analyzer/Starter.h"

#include <QtTest>

using namespace KD::Communication;
using KD::OperationError;

class TestOperations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerMeasurementType(); }

    // Nothing is connected and one request is pending (no event loop runs
    // it), so the engine refuses every further command.
    void refusedSchedules()
    {
        NDryer dryer;
        dryer.sendCommand(35);
        QVERIFY(!dryer.startDrying());
        QVERIFY(!dryer.setMainTemperature(100));

        SettingLoader loader(&dryer);
        QSignalSpy loaded(&loader, &SettingLoader::finished);
        loader.load();
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(loaded.at(0).at(0).toBool(), false);
        QCOMPARE(loader.errorInfo(), OperationError(2, 0, 110));

        SettingSetter setter(&dryer);
        QSignalSpy set(&setter, &SettingSetter::finished);
        setter.set(DryingSettings());
        QCOMPARE(set.count(), 1);
        QCOMPARE(setter.errorInfo(), OperationError(1, 0, 100));

        SlotMover mover(&dryer);
        QSignalSpy moved(&mover, &SlotMover::finished);
        mover.moveToSlot(3);
        QCOMPARE(moved.count(), 1);
        QCOMPARE(mover.errorInfo(), OperationError(5, 0, 107));

        NonDestructiveSlotReader reader(&dryer);
        QSignalSpy read(&reader, &NonDestructiveSlotReader::finished);
        reader.start(0);
        QCOMPARE(read.count(), 1);
        QCOMPARE(reader.errorInfo(), OperationError(4, 2, 110));
        QCOMPARE(reader.step(), 0);

        NonDestructiveSlotWriter writer(&dryer);
        QSignalSpy written(&writer, &NonDestructiveSlotWriter::finished);
        writer.start(0, DryingSettings());
        QCOMPARE(written.count(), 1);
        QCOMPARE(writer.errorInfo(), OperationError(3, 2, 110));
    }

    // A refused start leaves nothing listening: a later failure of code 98
    // is not the starter's.
    void refusedStartListensToNothing()
    {
        NDryer dryer;
        dryer.sendCommand(35);
        Starter starter(&dryer);
        QSignalSpy errors(&starter, &Starter::error);
        QVERIFY(!starter.start());
        QCOMPARE(starter.errorInfo(), OperationError(8, 0, 0));
        emit dryer.commandFinished(2, 98, QVariant());
        QVERIFY(!starter.stop());
        QCOMPARE(starter.errorInfo(), OperationError(9, 0, 0));
        emit dryer.commandFinished(2, 99, QVariant());
        QCOMPARE(errors.count(), 0);
    }

    // Operations stop listening when they end: a stray outcome afterwards
    // changes nothing.
    void finishedOperationIgnoresLateOutcomes()
    {
        NDryer dryer;
        dryer.sendCommand(35);
        SettingLoader loader(&dryer);
        QSignalSpy loaded(&loader, &SettingLoader::finished);
        loader.load();
        emit dryer.commandFinished(1, 110, QVariant(50.0));
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(loader.settings().mainTemperature(), DryingSettings().mainTemperature());
    }

    void facadeStartSignals()
    {
        NDryer dryer;
        QStringList order;
        connect(&dryer, &NDryer::dryingStart, this, [&](bool ok, int interval) {
            order << QStringLiteral("start %1 %2").arg(ok).arg(interval);
        });
        connect(&dryer, &NDryer::recordAppeared, this,
                [&](Measurement m) { order << QStringLiteral("record %1").arg(double(m.value)); });
        Measurement m;
        m.value = 0.5f;
        dryer.onDryingStart(true, m, 10);
        dryer.onDryingStart(false, m, 3);
        QCOMPARE(order, (QStringList{"start 1 10", "record 0.5", "start 0 3"}));
    }

    void errorRecordAndStartType()
    {
        OperationError inner(6, 0, 108);
        OperationError outer(4, 0, 0);
        QVERIFY(!outer.hasStep() && !outer.hasCommand());
        outer.setInner(inner);
        QCOMPARE(outer, OperationError(4, 6, 108));
        QVERIFY(outer.hasStep() && outer.hasCommand());
        outer.reset();
        QCOMPARE(outer, OperationError());

        StartType type;
        QVERIFY(type.isProgramStart() && !type.isDeviceStart());
        type.setDeviceStart();
        QVERIFY(!type.isProgramStart() && type.isDeviceStart());
    }
};

QTEST_GUILESS_MAIN(TestOperations)
#include "tst_operations.moc"
