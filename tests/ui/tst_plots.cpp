#include "resources/Resources.h"
#include "ui/Interval.h"
#include "ui/PlotData.h"
#include "ui/PlotTrProvider.h"
#include "ui/PlotWrapper.h"
#include "ui/TimePlotZoomer.h"
#include "ui/TimeScaleDraw.h"
#include "ui/TimeScatterPlot.h"

#include <qwt_plot_curve.h>
#include <qwt_plot_magnifier.h>
#include <qwt_plot_zoomer.h>
#include <qwt_scale_widget.h>
#include <qwt_text.h>

#include <QTranslator>
#include <QtTest>

#include <limits>
#include <memory>

using namespace Common;
using namespace Common::Widgets;

namespace {

constexpr double hourMs = 3600000.0;

QString xTitle(const QwtPlot& plot) { return plot.axisTitle(QwtPlot::xBottom).text(); }

QString xLabel(const QwtPlot& plot, double value)
{
    return plot.axisScaleDraw(QwtPlot::xBottom)->label(value).text();
}

QString tracker(const QwtPlotZoomer* zoomer, QPointF at)
{
    return static_cast<const TimePlotZoomer*>(zoomer)->trackerTextF(at).text();
}

} // namespace

class TestPlots : public QObject
{
    Q_OBJECT

private slots:
    void pointStore()
    {
        PlotData data;
        QVERIFY(data.isEmpty());
        QCOMPARE(data.x(0), 0.0);
        QCOMPARE(data.y(-1), 0.0);
        data.setX(0, 5.0); // no such point
        QVERIFY(data.isEmpty());

        data.append(0.0, 10.0);
        data.insert(1, 2000.0, 30.0); // at the end: appends
        data.insert(99, 3000.0, 40.0); // past the end: appends
        data.insert(1, 1000.0, 20.0); // before point 1
        data.insert(-1, 4000.0, 50.0); // nonsense index: appended, no crash
        QCOMPARE(data.xs(), QVector<double>({0, 1000, 2000, 3000, 4000}));
        QCOMPARE(data.ys(), QVector<double>({10, 20, 30, 40, 50}));
        data.setY(4, 55.0);
        QCOMPARE(data.y(4), 55.0);
        QCOMPARE(data.y(5), 0.0);

        // Appends leave the revision alone; any other change moves it.
        const quint64 r0 = data.revision();
        data.append(5000.0, 60.0);
        QCOMPARE(data.revision(), r0);
        data.setY(0, 1.0);
        QVERIFY(data.revision() != r0);
        data.clear();
        QCOMPARE(data.size(), 0);

        Interval interval;
        interval.setValue(5000);
        QCOMPARE(interval.value(), 5000);
    }

    void timeLabels_data()
    {
        QTest::addColumn<double>("ms");
        QTest::addColumn<bool>("withHours");
        QTest::addColumn<QString>("label");
        QTest::newRow("zero") << 0.0 << false << "00:00.000";
        QTest::newRow("truncated, not rounded") << 61234.9 << false << "01:01.234";
        QTest::newRow("just under an hour") << hourMs - 1 << false << "59:59.999";
        QTest::newRow("an hour shows hours") << hourMs << false << "01:00:00.000";
        QTest::newRow("past a day does not wrap") << 25 * hourMs + 1500 << false << "25:00:01.500";
        QTest::newRow("hours asked for") << 61234.0 << true << "00:01:01.234";
        QTest::newRow("negative") << -1000.0 << false << "-00:01.000";
        QTest::newRow("not a number")
            << std::numeric_limits<double>::quiet_NaN() << false << "00:00.000";
    }

    void timeLabels()
    {
        QFETCH(double, ms);
        QFETCH(bool, withHours);
        TimeScaleDraw draw(QTime(0, 0), QStringLiteral("mm:ss.zzz"));
        draw.setShowHours(withHours);
        QTEST(draw.label(ms).text(), "label");
    }

    void timePlotFollowsRunLength()
    {
        PlotData data;
        TimeScatterPlot plot(&data, QStringLiteral("mm:ss.zzz"));
        QCOMPARE(xTitle(plot), QStringLiteral(" [mm:ss.zzz]"));
        plot.setXLabel(QStringLiteral("Time"));
        plot.setXLabel(QStringLiteral("Time"));
        QCOMPARE(xTitle(plot), QStringLiteral("Time [mm:ss.zzz]"));

        QCOMPARE(tracker(plot.zoomer(), {1500, 12.3456789}), QStringLiteral("00:01.500, 12.3457"));
        data.append(0.0, 0.0);
        data.append(hourMs - 1000, 5.0);
        plot.replot();
        QVERIFY(!plot.showsHours());
        QCOMPARE(xLabel(plot, 1800000), QStringLiteral("30:00.000"));

        // Past one hour every label, the tracker and the unit carry hours.
        data.append(hourMs + 1000, 6.0);
        plot.replot();
        QVERIFY(plot.showsHours());
        QCOMPARE(xLabel(plot, 1800000), QStringLiteral("00:30:00.000"));
        QCOMPARE(tracker(plot.zoomer(), {hourMs + 1500, 6.0}), QStringLiteral("01:00:01.500, 6"));
        QCOMPARE(xTitle(plot), QStringLiteral("Time [hh:mm:ss.zzz]"));

        data.clear(); // a new run starts below an hour again
        plot.replot();
        QVERIFY(!plot.showsHours());
        QCOMPARE(xTitle(plot), QStringLiteral("Time [mm:ss.zzz]"));

        // A plot built over a run that is already long (the zoomer replots
        // while the plot is being built).
        data.append(2 * hourMs, 1.0);
        PlotWrapper wrapper(&data, true);
        std::unique_ptr<ScatterPlot> late(wrapper.widget());
        QVERIFY(static_cast<TimeScatterPlot*>(late.get())->showsHours());
        QCOMPARE(tracker(late->zoomer(), {1500, 1.0}), QStringLiteral("00:00:01.500, 1"));
    }

    void nonFinitePointsAreNotDrawn()
    {
        PlotData data;
        ScatterPlot plot(&data);
        data.append(0.0, std::numeric_limits<double>::infinity()); // m0 = 0
        data.append(1000.0, std::numeric_limits<double>::quiet_NaN());
        plot.replot();
        QCOMPARE(plot.curve()->dataSize(), size_t(0));
        data.append(2000.0, 50.0);
        data.append(3000.0, 40.0);
        plot.replot();
        QCOMPARE(plot.curve()->dataSize(), size_t(2));
        QCOMPARE(plot.curve()->sample(0), QPointF(2000.0, 50.0));
        const QwtInterval y = plot.axisInterval(QwtPlot::yLeft);
        QVERIFY(std::isfinite(y.minValue()) && std::isfinite(y.maxValue()));
        QVERIFY(y.contains(40.0) && y.contains(50.0));

        // A recompute that makes a point finite again draws it.
        data.setY(0, 100.0);
        plot.replot();
        QCOMPARE(plot.curve()->dataSize(), size_t(3));
        QCOMPARE(plot.curve()->sample(0), QPointF(0.0, 100.0));
    }

    void zoomModesAndKeys()
    {
        PlotData data;
        for (int i = 0; i < 10; ++i)
            data.append(i * 1000.0, i);
        TimeScatterPlot plot(&data, QStringLiteral("mm:ss.zzz"));
        plot.resize(600, 400);
        plot.show();
        plot.replot();
        auto scaleColour = [&plot](int axis) {
            return plot.axisWidget(axis)->palette().color(QPalette::WindowText);
        };

        const QVector<int> expectedModes{1, 2, 0};
        for (int step = 0; step < 3; ++step) {
            QTest::keyClick(plot.canvas(), Qt::Key_X);
            const int mode = expectedModes.at(step);
            QCOMPARE(plot.zoomMode(), mode);
            QCOMPARE(plot.magnifier()->isAxisEnabled(QwtPlot::xBottom), mode != 1);
            QCOMPARE(plot.magnifier()->isAxisEnabled(QwtPlot::yLeft), mode != 2);
            QCOMPARE(scaleColour(QwtPlot::xBottom), QColor(mode == 1 ? Qt::gray : Qt::black));
            QCOMPARE(scaleColour(QwtPlot::yLeft), QColor(mode == 2 ? Qt::gray : Qt::black));
        }
        // The middle button steps the same way, wherever it is pressed.
        QTest::mousePress(plot.canvas(), Qt::MiddleButton);
        QCOMPARE(plot.zoomMode(), 1);
        QTest::mousePress(&plot, Qt::MiddleButton, {}, QPoint(2, 2));
        QCOMPARE(plot.zoomMode(), 2);

        // Zoomed in by hand; Escape shows everything and makes it the base.
        plot.setAxisScale(QwtPlot::xBottom, 2000, 3000);
        plot.replot();
        QVERIFY(!plot.axisAutoScale(QwtPlot::xBottom));
        QTest::keyClick(plot.canvas(), Qt::Key_Escape);
        QVERIFY(plot.axisAutoScale(QwtPlot::xBottom));
        QVERIFY(plot.axisAutoScale(QwtPlot::yLeft));
        const QRectF base = plot.zoomer()->zoomBase();
        QVERIFY(base.left() <= 0.0 && base.right() >= 9000.0);
        QCOMPARE(plot.zoomer()->zoomRect(), base);
        // Home no longer resets the zoom.
        QCOMPARE(plot.zoomer()->keyPattern()[QwtEventPattern::KeyHome].key, int(Qt::Key_F30));
    }

    void helpTextFollowsLanguage()
    {
        initSorvanaResources();
        PlotData data;
        ScatterPlot plot(&data);
        QVERIFY(plot.toolTip().contains(QStringLiteral("Mouse wheel click, X button")));
        QCOMPARE(plot.toolTip().count(QLatin1Char('\n')), 4);
        QVERIFY(PlotTrProvider().text(1).isEmpty());

        for (const auto& [catalogue, expected] :
             {std::pair<QString, QString>{":/i18n/english.qm", "Mouse wheel click or X key"},
              {":/i18n/polish.qm", "Przybliżanie"}}) {
            QTranslator translator;
            QVERIFY(translator.load(catalogue));
            QCoreApplication::installTranslator(&translator);
            QEvent change(QEvent::LanguageChange);
            QCoreApplication::sendEvent(plot.canvas(), &change);
            QVERIFY2(plot.toolTip().contains(expected), qPrintable(plot.toolTip()));
            QCoreApplication::removeTranslator(&translator);
        }
    }

    void wrapperBatchesRedraws()
    {
        PlotData data;
        PlotWrapper wrapper(&data, true);
        std::unique_ptr<ScatterPlot> plot(wrapper.widget()); // normally the page's
        QVERIFY(qobject_cast<TimeScatterPlot*>(plot.get()));
        wrapper.setMinReplotInterval(20);
        wrapper.setXLabel(QStringLiteral("Time"));
        wrapper.setYLabel(QStringLiteral("Humidity [%]"));
        QCOMPARE(xTitle(*plot), QStringLiteral("Time [mm:ss.zzz]"));
        QCOMPARE(plot->axisTitle(QwtPlot::yLeft).text(), QStringLiteral("Humidity [%]"));

        for (int i = 0; i < 100; ++i) {
            data.append(i * 1000.0, i);
            wrapper.onDataChanged();
        }
        QVERIFY(wrapper.replotPending());
        QCOMPARE(plot->curve()->dataSize(), size_t(0)); // not one redraw per point
        QTRY_COMPARE(plot->curve()->dataSize(), size_t(100));
        QVERIFY(!wrapper.replotPending());

        wrapper.setAutoReplot(false);
        data.append(1e6, 1.0);
        wrapper.onDataChanged();
        QVERIFY(!wrapper.replotPending());
        wrapper.setAutoReplot(true);

        // A picture for the report shows what is pending too.
        wrapper.onDataChanged();
        plot->resize(400, 300);
        const QPixmap picture = wrapper.getPixmap();
        QCOMPARE(picture.size(), QSize(400, 300));
        QCOMPARE(plot->curve()->dataSize(), size_t(101));

        ScatterPlot* plain = PlotWrapper(&data, false).widget();
        QVERIFY(!qobject_cast<TimeScatterPlot*>(plain));
        delete plain;
    }
};

QTEST_MAIN(TestPlots)
#include "tst_plots.moc"
