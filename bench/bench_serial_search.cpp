// Wall time of one serial search over 1 and over 8 simulated ports, with the
// program's probe timings (echo 300 ms, success 1000 ms after the
// identification). Port 1 is an analyzer that answers only at 9600, so it
// is found after the 115200 try fails; of the other seven, four are silent
// and three answer at 115200 only. Ports are searched in parallel, so 8
// ports should take at most 1.5 times as long as one.
//
//   bench_serial_search [ROUNDS]

#include "search/SearchEngine.h"
#include "search/SearchHolder.h"
#include "tests/support/AnalyzerSimulator.h"
#include "tests/support/FixedSerialPortLister.h"
#include "tests/support/ProbeSearchInfo.h"
#include "tests/support/SimulatorPtyLink.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTextStream>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

struct Device
{
    AnalyzerSimulator sim;
    SimulatorPtyLink link{&sim};
};

// Milliseconds of one search over `ports` ports, -1 when it failed.
qint64 searchOnce(int ports)
{
    std::vector<std::unique_ptr<Device>> devices;
    FixedSerialPortLister lister;
    for (int i = 0; i < ports; ++i) {
        devices.push_back(std::make_unique<Device>());
        Device& device = *devices.back();
        if (!device.link.open())
            return -1;
        if (i == 0)
            device.link.setOnlyBaudRate(9600);
        else if (i % 2 == 1)
            device.sim.setSilent(true);
        else
            device.link.setOnlyBaudRate(115200);
        lister.add(device.link.slavePath());
    }
    ProbeSearchInfo info({115200, 9600});
    SearchHolder holder(&info, nullptr, nullptr, nullptr);
    holder.serialSearch()->setPortLister(&lister);
    Common::SearchEngine* engine = holder.searchEngine();

    QEventLoop loop;
    QObject::connect(engine, &Common::SearchEngine::searchingFinished, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    QMetaObject::invokeMethod(
        engine, [engine] { engine->search(true, false); }, Qt::QueuedConnection);
    loop.exec();
    const qint64 elapsed = clock.elapsed();
    return engine->foundDevices().size() == (ports + 1) / 2 ? elapsed : -1;
}

qint64 median(int ports, int rounds)
{
    std::vector<qint64> times;
    for (int i = 0; i < rounds; ++i)
        times.push_back(searchOnce(ports));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, QString(argv[1]).toInt()) : 3;
    QTextStream out(stdout);
    const qint64 one = median(1, rounds);
    const qint64 eight = median(8, rounds);
    out << "1 port:  " << one << " ms\n";
    out << "8 ports: " << eight << " ms\n";
    if (one <= 0 || eight <= 0) {
        out << "a search did not find what it should\n";
        return 1;
    }
    const double ratio = double(eight) / double(one);
    out << "ratio:   " << QString::number(ratio, 'f', 2) << " (goal: at most 1.50)\n";
    return ratio <= 1.5 ? 0 : 1;
}
