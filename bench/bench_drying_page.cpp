// The composed drying page, shown offscreen, fed readings as the drying
// controller sends them (its queued result signal):
//   (a) 100 readings/s for 30 s, while a 10 ms probe timer measures how late
//       the event loop answers;
//   (b) a 24-hour run of 86,400 readings as fast as the page takes them, the
//       cost of one reading at its start and at its end;
//   (c) a formula switch over 100,000 records with labels, table and plot.
//
//   bench_drying_page [SECONDS-OF-(a)]
#include "resources/Resources.h"
#include "settings/DryerDB.h"

#include "tests/support/ScopedTestSettings.h"
#include "tests/support/ShownDryingPage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

Measurement reading(int i, int total)
{
    Measurement m;
    m.value = float(10.0 - 4.0 * i / total);
    m.unit = QStringLiteral("g");
    m.flag = QLatin1Char('?');
    return m;
}

// How late each 10 ms tick of a probe timer comes, in milliseconds.
class LatencyProbe
{
public:
    LatencyProbe()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            m_lateMs.push_back(qMax(0.0, (now - m_last) / 1e6 - 10.0));
            m_last = now;
        });
    }
    void start()
    {
        m_lateMs.clear();
        m_clock.start();
        m_last = 0;
        m_timer.start();
    }
    void stop() { m_timer.stop(); }
    double percentile(double p)
    {
        if (m_lateMs.empty())
            return 0.0;
        std::sort(m_lateMs.begin(), m_lateMs.end());
        return m_lateMs[std::min(m_lateMs.size() - 1, size_t(p * m_lateMs.size()))];
    }
    double worst()
    {
        return m_lateMs.empty() ? 0.0 : *std::max_element(m_lateMs.begin(), m_lateMs.end());
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    std::vector<double> m_lateMs;
};

// A run of one reading per second started, as the controller says it.
struct Page : ShownDryingPage
{
    Page()
    {
        emit controller.dryingStarted(false, false, 1);
        QCoreApplication::processEvents();
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    initSorvanaResources();
    const int seconds = argc > 1 ? qMax(1, atoi(argv[1])) : 30;
    // The page reads settings and the parameter-set database: empty ones.
    ScopedTestSettings settings;
    QTemporaryDir database;
    DryerDB::CreateDBsIfNeeded(database.path());

    {
        // (a) 100 readings per second, each on its own turn of the loop.
        Page page;
        LatencyProbe probe;
        const int total = seconds * 100;
        int sent = 0;
        QTimer feed;
        feed.setTimerType(Qt::PreciseTimer);
        feed.setInterval(10);
        QObject::connect(&feed, &QTimer::timeout, [&] {
            emit page.controller.result(reading(sent++, total));
            if (sent == total)
                feed.stop();
        });
        probe.start();
        feed.start();
        while (feed.isActive() || page.rows() < total)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        probe.stop();
        std::printf("(a) %d readings at 100/s over %d s: probe lateness p50 %.1f ms, p99 %.1f ms "
                    "(goal < 50 ms), worst %.1f ms\n",
                    total, seconds, probe.percentile(0.5), probe.percentile(0.99), probe.worst());
    }

    {
        // (b) a 24-hour run as fast as the page takes it: the readings of one
        // batch are queued, then the loop runs until the page has them all.
        Page page;
        LatencyProbe probe;
        const int total = 86400;
        const int window = 2000;
        const int batch = 100;
        QElapsedTimer clock;
        double firstUs = 0.0;
        double lastUs = 0.0;
        probe.start();
        QElapsedTimer whole;
        whole.start();
        for (int i = 0; i < total; i += batch) {
            if (i == 0 || i == total - window)
                clock.start();
            for (int j = i; j < i + batch; ++j)
                emit page.controller.result(reading(j, total));
            while (page.rows() < i + batch)
                QCoreApplication::processEvents();
            if (i + batch == window)
                firstUs = clock.nsecsElapsed() / 1e3 / window;
            if (i + batch == total)
                lastUs = clock.nsecsElapsed() / 1e3 / window;
        }
        probe.stop();
        std::printf(
            "(b) %d readings in %.1f s: per reading %.1f us at the start, %.1f us at the end "
            "(%.2fx; goal <= 2x); probe p99 %.1f ms\n",
            total, whole.elapsed() / 1000.0, firstUs, lastUs, lastUs / firstUs,
            probe.percentile(0.99));
    }

    {
        // (c) the user picks another formula over a run of 100,000 records.
        Page page;
        const int total = 100000;
        for (int i = 0; i < total; ++i)
            emit page.controller.result(reading(i, total));
        while (page.rows() < total)
            QCoreApplication::processEvents();
        page.composition.plot()->replot();
        QCoreApplication::processEvents();
        auto* radio = page.tab->findChild<QRadioButton*>("methodMnM0");
        QElapsedTimer clock;
        clock.start();
        radio->click();
        page.composition.plot()->replot();
        QCoreApplication::processEvents();
        const double ms = clock.nsecsElapsed() / 1e6;
        std::printf("(c) formula switch over %d records, labels, table and plot: %.1f ms "
                    "(goal < 100 ms)\n",
                    total, ms);
    }
    return 0;
}
