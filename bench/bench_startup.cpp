// Start-up of the whole program against a bare window: the time from starting
// a process to its main window being shown, and the resident memory then.
// Each start is a fresh process (this benchmark started again with "--child
// program" or "--child bare"). The usual start finds the settings and the
// database of an earlier start in its home folder; the first start on an
// empty home folder creates them. Runs offscreen unless QT_QPA_PLATFORM says
// otherwise.
#include "app/MainWindow.h"
#include "app/Program.h"
#include "resources/Resources.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <qwt_plot.h>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int starts = 15;

long residentKiB()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// Once the window has been shown and the event loop has run, report and end.
void reportWhenShown(QWidget* window)
{
    window->show();
    QTimer::singleShot(0, window, [window] {
        std::printf("shown %ld\n", residentKiB());
        std::fflush(stdout);
        window->close();
    });
}

int child(int argc, char** argv, const QByteArray& kind)
{
    if (kind == "program") {
        initSorvanaResources();
        QApplication application(argc, argv);
        Program program;
        if (!program.prepareDatabase())
            return Program::DatabaseFailure;
        program.build();
        reportWhenShown(program.window());
        return QApplication::exec();
    }
    QApplication application(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QwtPlot);
    window.resize(878, 646);
    reportWhenShown(&window);
    return QApplication::exec();
}

struct Figures
{
    double medianMs;
    double minMs;
    long medianKiB;
};

Figures measure(const QString& self, const QString& kind, bool firstStart)
{
    QVector<double> times;
    QVector<long> memory;
    QTemporaryDir home;
    for (int i = -1; i < starts; ++i) {
        QTemporaryDir freshHome;
        const QString folder = firstStart ? freshHome.path() : home.path();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", folder);
        env.insert("XDG_CONFIG_HOME", folder + "/config");
        env.insert("XDG_DATA_HOME", folder + "/data");
        QProcess process;
        process.setProcessEnvironment(env);
        QElapsedTimer timer;
        timer.start();
        process.start(self, {"--child", kind});
        QByteArray line;
        while (!line.startsWith("shown") && process.waitForReadyRead(30000))
            line = process.readLine();
        const double ms = timer.nsecsElapsed() / 1e6;
        process.waitForFinished(30000);
        // The first run only prepares the home folder of the usual start.
        if (i < 0)
            continue;
        times << ms;
        memory << line.mid(6).trimmed().toLong();
    }
    std::sort(times.begin(), times.end());
    std::sort(memory.begin(), memory.end());
    return {times[starts / 2], times.first(), memory[starts / 2]};
}

void print(const char* name, const Figures& figures)
{
    std::printf("  %-24s median %6.1f ms (min %5.1f), %ld KiB resident\n", name, figures.medianMs,
                figures.minMs, figures.medianKiB);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && QByteArray(argv[1]) == "--child")
        return child(argc, argv, argv[2]);

    QCoreApplication application(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    const Figures bare = measure(self, "bare", false);
    const Figures program = measure(self, "program", false);
    const Figures firstStart = measure(self, "program", true);
    std::printf("platform %s, %d starts each, process start to shown window:\n",
                qgetenv("QT_QPA_PLATFORM").constData(), starts);
    print("bare window + QwtPlot:", bare);
    print("program:", program);
    print("program, first start:", firstStart);
    std::printf("  ratio of the usual start: time %.2fx, memory %.2fx (goal: at most 2x on both)\n",
                program.medianMs / bare.medianMs, double(program.medianKiB) / bare.medianKiB);
    return 0;
}
