// Cost of appending readings to the run model with its table view and time
// plot attached and shown, at the start of a long run and at its end, and of
// recomputing the whole run for a new formula. Runs offscreen by default.
#include "drying/HumidityData.h"
#include "ui/PlotWrapper.h"
#include "ui/ScatterPlot.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>

#include <cstdio>
#include <memory>

namespace {

constexpr int total = 100000;
constexpr int window = 1000;

double massAt(int i)
{
    return 10.0 - 4.0 * i / total; // drying from 10 g to 6 g
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    KD::Drying::HumidityData run;
    run.setCalcFormula(0);
    QTableView table;
    table.setModel(run.model());
    table.resize(400, 600);
    table.show();
    Common::PlotWrapper wrapper(run.plotData(), true);
    std::unique_ptr<Common::Widgets::ScatterPlot> plot(wrapper.widget());
    plot->resize(800, 500);
    plot->show();
    QObject::connect(&run, &KD::Drying::IOHumidityData::changed, &wrapper,
                     &Common::PlotWrapper::onDataChanged);

    // The views update (and paint) on a turn of the event loop every `batch`
    // readings; BENCH_BATCH=1 gives each reading its own turn, as live ones
    // have, where painting the shown table dominates.
    const int batch = qMax(1, qEnvironmentVariableIsSet("BENCH_BATCH")
                                  ? qEnvironmentVariableIntValue("BENCH_BATCH")
                                  : 100);
    QElapsedTimer clock;
    double firstNs = 0.0;
    double lastNs = 0.0;
    for (int i = 0; i < total; ++i) {
        if (i == 0 || i == total - window)
            clock.start();
        run.appendMass(1000, massAt(i));
        if ((i + 1) % batch == 0)
            QCoreApplication::processEvents();
        if (i == window - 1)
            firstNs = double(clock.nsecsElapsed()) / window;
        if (i == total - 1)
            lastNs = double(clock.nsecsElapsed()) / window;
    }

    clock.start();
    run.setCalcFormula(2);
    const double recomputeMs = clock.nsecsElapsed() / 1e6;
    clock.start();
    wrapper.replot();
    const double replotMs = clock.nsecsElapsed() / 1e6;

    std::printf("appends: %d readings, table view and time plot shown, events every %d\n", total,
                batch);
    std::printf("per append, readings 1-%d:        %8.1f us\n", window, firstNs / 1000.0);
    std::printf("per append, readings %d-%d:  %8.1f us  (%.2fx the start; goal <= 2x)\n",
                total - window + 1, total, lastNs / 1000.0, lastNs / firstNs);
    std::printf("formula recompute of %d records: %6.1f ms  (goal < 50 ms)\n", total, recomputeMs);
    std::printf("full replot of %d points:        %6.1f ms\n", total, replotMs);
    return 0;
}
