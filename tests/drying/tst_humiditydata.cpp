#include "drying/DryerRecord.h"
#include "drying/DryingInfoGetter.h"
#include "drying/DryingTimeGetter.h"
#include "drying/FileDataReceiver.h"
#include "drying/HumidityData.h"
#include "drying/MeasurementReceiver.h"
#include "drying/MeasurementSignalHandler.h"
#include "ui/IPlot.h"
#include "ui/Interval.h"
#include "ui/PlotWrapper.h"
#include "ui/ScatterPlot.h"

#include <qwt_plot_curve.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <memory>

using KD::Drying::HumidityData;

namespace {

QStringList row(const HumidityData& run, int r)
{
    QAbstractItemModel* model = const_cast<HumidityData&>(run).model();
    QStringList cells;
    for (int c = 0; c < model->columnCount(); ++c)
        cells << model->index(r, c).data().toString();
    return cells;
}

class FakePlot : public Common::IPlot
{
public:
    void replot() override { calls << "replot"; }
    void resetZoom() override { calls << "resetZoom"; }
    QStringList calls;
};

} // namespace

class TestHumidityData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerMeasurementType(); }

    void formulas_data()
    {
        QTest::addColumn<int>("formula");
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("second");
        QTest::addColumn<QString>("shown");
        QTest::newRow("(m0-mn)/m0") << 0 << 0.0 << 5.0 << "5.00";
        QTest::newRow("(m0-mn)/mn") << 1 << 0.0 << 100.0 * 0.5 / 9.5 << "5.26";
        QTest::newRow("mn/m0") << 2 << 100.0 << 95.0 << "95.00";
        QTest::newRow("unknown id") << 7 << 0.0 << 0.0 << "0.00";
    }

    void formulas()
    {
        QFETCH(int, formula);
        HumidityData run;
        QCOMPARE(run.calcFormula(), 1);
        run.setCalcFormula(formula);
        QSignalSpy changed(&run, &KD::Drying::IOHumidityData::changed);
        run.appendMass(7000, 10.0); // the first step is ignored
        run.appendMass(5000, 9.5);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(run.timeAt(0), 0);
        QCOMPARE(run.timeAt(1), 5000);
        QTEST(run.humidityAt(0), "first");
        QFETCH(double, second);
        QVERIFY(qAbs(run.humidityAt(1) - second) < 1e-9);
        QFETCH(QString, shown);
        QCOMPARE(row(run, 1), QStringList({"00:00:05", shown, "9.500"}));
        QCOMPARE(run.plotData()->xs(), QVector<double>({0.0, 5000.0}));
        QCOMPARE(run.plotData()->y(1), run.humidityAt(1));
    }

    void timeSteps()
    {
        HumidityData run;
        QAbstractItemModelTester tester(run.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        for (int step : {1000, 1000, 2500, 0, 1000})
            run.appendMass(step, 10.0);
        const QVector<int> times{0, 1000, 3500, 3500, 4500};
        for (int i = 0; i < times.size(); ++i)
            QCOMPARE(run.timeAt(i), times.at(i));
        QCOMPARE(run.samplesCount(), 5);
        QCOMPARE(row(run, 2).at(0), QStringLiteral("00:00:03"));
        // Out of range rows read as zero.
        QCOMPARE(run.timeAt(5), 0);
        QCOMPARE(run.massAt(-1), 0.0);
        QCOMPARE(run.humidityAt(99), 0.0);

        // Time texts go on past 24 hours instead of wrapping at midnight.
        QCOMPARE(KD::DryerRecord(86400000, 1, 0).timeText(), QStringLiteral("24:00:00"));
        QCOMPARE(KD::DryerRecord(25 * 3600000, 1, 0).timeText(), QStringLiteral("25:00:00"));
        QCOMPARE(KD::DryerRecord(3723000, 1, 0).timeText(), QStringLiteral("01:02:03"));
        QVERIFY(!KD::DryerRecord(0, 1, 0).value(3).isValid());
        QVERIFY(!KD::DryerRecord(0, 1, 0).setValue(1, "5"));
    }

    // Formula change: every humidity, the table and the plot follow at once.
    void recomputeOnFormulaChange()
    {
        HumidityData run;
        Common::PlotWrapper wrapper(run.plotData(), true);
        std::unique_ptr<Common::Widgets::ScatterPlot> plot(wrapper.widget());
        connect(&run, &KD::Drying::IOHumidityData::changed, &wrapper,
                &Common::PlotWrapper::onDataChanged);
        QAbstractItemModelTester tester(run.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        run.setCalcFormula(0);
        for (double mass : {10.0, 9.5, 9.0, 8.75})
            run.appendMass(1000, mass);
        QTRY_COMPARE(plot->curve()->dataSize(), size_t(4));
        QCOMPARE(plot->curve()->sample(3).y(), 12.5);

        QSignalSpy changed(&run, &KD::Drying::IOHumidityData::changed);
        QSignalSpy cells(run.model(), &QAbstractItemModel::dataChanged);
        run.setCalcFormula(2);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(cells.count(), 1); // views redraw the humidity column
        QCOMPARE(run.humidityAt(0), 100.0);
        QCOMPARE(run.humidityAt(3), 87.5);
        QCOMPARE(row(run, 3), QStringList({"00:00:03", "87.50", "8.750"}));
        QCOMPARE(run.plotData()->ys(), QVector<double>({100.0, 95.0, 90.0, 87.5}));
        QCOMPARE(run.plotData()->xs(), QVector<double>({0.0, 1000.0, 2000.0, 3000.0}));
        QTRY_COMPARE(plot->curve()->sample(3).y(), 87.5);

        run.setCalcFormula(1);
        QCOMPARE(run.humidityAt(0), 0.0);
        QVERIFY(qAbs(run.humidityAt(3) - 1.25 * 100.0 / 8.75) < 1e-9);

        changed.clear();
        run.setCalcFormula(1); // same id: nothing
        QCOMPARE(changed.count(), 0);

        run.clear();
        QCOMPARE(changed.count(), 1);
        QVERIFY(run.isEmpty());
        QVERIFY(run.plotData()->isEmpty());
        run.clear(); // empty: nothing
        run.setCalcFormula(0); // empty: stored silently
        QCOMPARE(changed.count(), 1);
        QCOMPARE(run.calcFormula(), 0);
        QTRY_COMPARE(plot->curve()->dataSize(), size_t(0));
    }

    void zeroDivisorIsKeptButNotDrawn()
    {
        HumidityData run;
        Common::PlotWrapper wrapper(run.plotData(), true);
        std::unique_ptr<Common::Widgets::ScatterPlot> plot(wrapper.widget());
        run.setCalcFormula(0);
        run.appendMass(1000, 0.0); // m0 = 0: 0/0
        run.appendMass(1000, 1.0); // -1/0
        QVERIFY(std::isnan(run.humidityAt(0)));
        QVERIFY(std::isinf(run.humidityAt(1)));
        QCOMPARE(row(run, 1).at(1), QStringLiteral("-inf"));
        run.setCalcFormula(1); // divides by mn: the second row becomes finite
        QCOMPARE(run.humidityAt(1), -100.0);
        wrapper.replot();
        QCOMPARE(plot->curve()->dataSize(), size_t(1));
        QCOMPARE(plot->curve()->sample(0), QPointF(1000.0, -100.0));
        QVERIFY(std::isfinite(plot->axisInterval(QwtPlot::yLeft).width()));
    }

    void userValuesNameReportFields()
    {
        HumidityData run;
        QCOMPARE(run.modelFull()->headerUserValues(), QStringList({"Time", "Humidity", "Mass"}));
        QCOMPARE(run.model(), static_cast<QAbstractItemModel*>(run.modelFull()));
    }

    void liveReadings()
    {
        HumidityData run;
        Common::Interval interval;
        KD::Drying::MeasurementReceiver receiver(&run, &interval);
        QObject owner;
        auto* handler = new KD::MeasurementSignalHandler(&receiver, &owner);

        // Readings arrive queued, as from the drying controller.
        Measurement m;
        m.value = 10.25f;
        m.unit = QStringLiteral("g");
        interval.setValue(2000);
        QMetaObject::invokeMethod(
            handler, [handler, m] { handler->onMeasurement(m); }, Qt::QueuedConnection);
        m.value = 9.75f;
        QMetaObject::invokeMethod(
            handler, [handler, m] { handler->onMeasurement(m); }, Qt::QueuedConnection);
        QCOMPARE(run.samplesCount(), 0);
        QTRY_COMPARE(run.samplesCount(), 2);
        QCOMPARE(run.massAt(0), 10.25);
        QCOMPARE(run.timeAt(1), 2000);
    }

    void fileRows()
    {
        HumidityData run;
        KD::Drying::DryingTimeGetter time(&run);
        FakePlot plot;
        KD::Drying::FileDataReceiver receiver(&time, &run, &plot);
        QCOMPARE(time.dryingTime(), 0);
        QSignalSpy inserted(run.model(), &QAbstractItemModel::rowsInserted);
        receiver.start();
        for (int t : {500, 1500, 1000, 4000})
            receiver.receive(t, t == 500 ? 10.0 : 5.0);
        // The first row is the start; a row earlier than the last repeats it.
        QCOMPARE(run.timeAt(0), 0);
        QCOMPARE(run.timeAt(1), 1500);
        QCOMPARE(run.timeAt(2), 1500);
        QCOMPARE(run.timeAt(3), 4000);
        QCOMPARE(time.dryingTime(), 4000);
        QCOMPARE(run.humidityAt(3), 100.0); // from the first mass, 10
        QVERIFY(plot.calls.isEmpty());
        // The table shows the file's rows once it is read, all at once.
        QCOMPARE(run.model()->rowCount(), 0);
        receiver.finish();
        QCOMPARE(plot.calls, QStringList({"replot", "resetZoom"}));
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(run.model()->rowCount(), 4);
    }

    void runSummary()
    {
        HumidityData run;
        KD::Drying::DryingInfoGetter getter(&run);
        KD::Drying::DryingInfo info = getter.info();
        QVERIFY(!info.start.isValid());
        QVERIFY(!info.end.isValid());
        QCOMPARE(info.samplesCount, 0);
        QCOMPARE(info.initialMass, 0.0);
        QCOMPARE(info.finalMass, 0.0);
        QCOMPARE(info.formula, 1);

        const QDateTime start(QDate(2026, 12, 7), QTime(8, 0));
        static_cast<KD::IStartTimeSetter&>(getter).setStartTime(start);
        run.appendMass(0, 10.0);
        run.appendMass(90000, 9.0);
        info = getter.info();
        QCOMPARE(info.start, start);
        QCOMPARE(info.end, QDateTime(QDate(2026, 12, 7), QTime(8, 1, 30)));
        QCOMPARE(info.samplesCount, 2);
        QCOMPARE(info.initialMass, 10.0);
        QCOMPARE(info.finalMass, 9.0);
    }
};

QTEST_MAIN(TestHumidityData)
#include "tst_humiditydata.moc"
