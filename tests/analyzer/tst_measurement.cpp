#include "analyzer/Measurement.h"

#include <QSignalSpy>
#include <QThread>
#include <QtTest>

namespace {

// Emits from whatever thread it lives on.
class Emitter : public QObject
{
    Q_OBJECT
signals:
    void measured(Measurement m);
};

} // namespace

class TestMeasurement : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerMeasurementType(); }

    void defaultIsEmptyReading()
    {
        const Measurement m;
        QCOMPARE(m.value, 0.0f);
        QVERIFY(m.unit.isEmpty());
        QCOMPARE(m.reserve, 0);
        QCOMPARE(m.flag, QChar());
        QCOMPARE(QMetaType::type("Measurement"), qMetaTypeId<Measurement>());
    }

    // The reading crosses from the communication thread to the GUI thread.
    void travelsThroughQueuedSignal()
    {
        QThread thread;
        Emitter emitter;
        emitter.moveToThread(&thread);
        thread.start();

        Measurement got;
        connect(
            &emitter, &Emitter::measured, this, [&got](Measurement m) { got = m; },
            Qt::QueuedConnection);
        QSignalSpy spy(&emitter, &Emitter::measured);

        Measurement sent;
        sent.value = 12.345f;
        sent.unit = QStringLiteral("g");
        sent.flag = QLatin1Char('?');
        QMetaObject::invokeMethod(&emitter, [&emitter, sent] { emit emitter.measured(sent); });
        QTRY_COMPARE(got, sent);
        QVERIFY(got != Measurement());

        thread.quit();
        thread.wait();
        // Read once the emitting thread has ended.
        QCOMPARE(spy.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestMeasurement)
#include "tst_measurement.moc"
