// A log flood into the terminal page shown offscreen: the simulated analyzer
// sends 10,000 lines/s in random chunks over a pty for 30 s (or the seconds
// given as the first argument); a serial port and a command engine on a
// communication thread log every chunk, the page's log model handler drains
// the logger every 500 ms. Reports the latency of a 10 ms probe timer on the
// GUI thread, the time of each drain (both tables at their cap soon) and the
// longest queue the logger held.
#include "communication/CRS232.h"
#include "communication/CommnadEngine.h"
#include "terminal/LogModelHandler.h"
#include "terminal/Logger.h"
#include "terminal/NTabTerminal.h"
#include "terminal/TabTerminalTrProvider.h"
#include "terminal/TerminalCommandMenu.h"
#include "ui/MessageBoxContext.h"
#include "ui/MessageBoxesTerminal.h"

#include "resources/Resources.h"
#include "tests/support/AnalyzerSimulator.h"
#include "tests/support/OnThread.h"
#include "tests/support/RunningThread.h"
#include "tests/support/ScopedTestSettings.h"
#include "tests/support/SimulatorPtyLink.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int linesPerSecond = 10000;
constexpr int feedPeriodMs = 10;
constexpr int probePeriodMs = 10;

// Counts what each drain takes: the queue the logger held when it began.
class CountingFetcher : public Common::Communication::ILogFetcher
{
public:
    explicit CountingFetcher(Common::Communication::ILogFetcher* inner) : m_inner(inner) { }
    bool hasRecords() override { return m_inner->hasRecords(); }
    Common::Communication::LogEntry takeFirst() override
    {
        ++taken;
        return m_inner->takeFirst();
    }
    int taken = 0;

private:
    Common::Communication::ILogFetcher* m_inner;
};

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values.at(std::min(values.size() - 1, size_t(p * double(values.size()))));
}

// Lines of a reading, cut at random places into chunks of 1 to 200 bytes.
void feed(AnalyzerSimulator* simulator, int lines, int* serial)
{
    QByteArray text;
    for (int i = 0; i < lines; ++i)
        text += QByteArray::number(12.5 - (*serial)++ * 1e-6, 'f', 4) + " g\r\n";
    auto* random = QRandomGenerator::global();
    for (int at = 0; at < text.size();) {
        const int size = random->bounded(1, 201);
        simulator->sendRaw(text.mid(at, size));
        at += size;
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    initSorvanaResources();
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : 30;
    ScopedTestSettings settings;

    // The analyzer on a thread of its own, so that its writing does not
    // load the GUI thread that is measured.
    RunningThread deviceThread;
    auto* simulator = new AnalyzerSimulator;
    auto* link = new SimulatorPtyLink(simulator, simulator);
    simulator->moveToThread(&deviceThread);
    if (!onThread(simulator, [link] { return link->open(); })) {
        std::fprintf(stderr, "no pty pair\n");
        return 1;
    }

    Common::Communication::Logger logger;
    RunningThread commThread;
    auto* port = new CRS232(link->slavePath(), 9600, QStringLiteral("COM1 (9600,8N1)"));
    auto* engine = new Common::Communication::CommnadEngine;
    engine->setLogger(&logger);
    engine->setInterface(port);
    port->setParent(engine);
    engine->moveToThread(&commThread);
    if (!onThread(engine, [engine] { return engine->openInterface(); })) {
        std::fprintf(stderr, "the port did not open\n");
        return 1;
    }

    MessageBoxContext context;
    Common::MessageBoxesTerminal messages(&context);
    CountingFetcher fetcher(&logger);
    Common::LogModelHandler handler;
    handler.setLogFetcher(&fetcher);
    NTabTerminal page(new TabTerminalTrProvider, &messages, false,
                      TerminalCommandMenu::defaultCommands(), TerminalCommandMenu::createMenu());
    page.setLogWidgetManager(&handler);
    page.resize(1100, 700);
    page.show();

    // The drain runs on the product's interval, timed from outside.
    handler.findChild<QTimer*>()->stop();
    std::vector<double> drains;
    std::vector<double> atCap; // both tables full before the drain
    std::vector<double> queues;
    QTimer drainTimer;
    drainTimer.setInterval(Common::LogModelHandler::fetchInterval);
    QObject::connect(&drainTimer, &QTimer::timeout, [&] {
        fetcher.taken = 0;
        const bool full =
            handler.rawTable()->allRowCount() == handler.rawTable()->rowLimit()
            && handler.formattedTable()->allRowCount() == handler.formattedTable()->rowLimit();
        QElapsedTimer clock;
        clock.start();
        handler.onFetchTimer();
        drains.push_back(clock.nsecsElapsed() / 1e6);
        if (full)
            atCap.push_back(drains.back());
        queues.push_back(fetcher.taken);
    });

    std::vector<double> lateness;
    QElapsedTimer probeClock;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(probePeriodMs);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        lateness.push_back(std::max(0.0, probeClock.nsecsElapsed() / 1e6 - probePeriodMs));
        probeClock.restart();
    });

    int serial = 0;
    auto* feeder = new QTimer;
    feeder->setTimerType(Qt::PreciseTimer);
    feeder->setInterval(feedPeriodMs);
    feeder->moveToThread(&deviceThread);
    QObject::connect(feeder, &QTimer::timeout, simulator, [simulator, &serial] {
        feed(simulator, linesPerSecond * feedPeriodMs / 1000, &serial);
    });

    QElapsedTimer run;
    run.start();
    QMetaObject::invokeMethod(feeder, qOverload<>(&QTimer::start));
    probeClock.start();
    probe.start();
    drainTimer.start();
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    app.exec();
    onThread(feeder, [feeder] { delete feeder; });
    const int sentLines = serial;

    std::printf("flood: %d s, %d lines sent (%.0f lines/s), %zu drains\n", seconds, sentLines,
                sentLines / (run.elapsed() / 1000.0), drains.size());
    std::printf("event-loop latency (10 ms probe): p50 %.2f ms, p99 %.2f ms, max %.2f ms "
                "(goal p99 < 50 ms)\n",
                percentile(lateness, 0.5), percentile(lateness, 0.99), percentile(lateness, 1.0));
    std::printf("drain: p50 %.2f ms, max %.2f ms; with both tables at the cap (%zu drains): "
                "p50 %.2f ms, max %.2f ms (goal < 50 ms)\n",
                percentile(drains, 0.5), percentile(drains, 1.0), atCap.size(),
                percentile(atCap, 0.5), percentile(atCap, 1.0));
    std::printf("logger queue at a drain: p50 %.0f, peak %.0f entries\n", percentile(queues, 0.5),
                percentile(queues, 1.0));

    onThread(engine, [engine] {
        engine->closeInterface();
        delete engine;
    });
    onThread(simulator, [simulator] { delete simulator; });
    return 0;
}
