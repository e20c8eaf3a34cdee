// The program with one of its threads held in a call while it shuts down,
// for tst_programprocess. The thread is let go only once the shut-down is
// over: as the process ends (at_quick_exit), or, had the shut-down destroyed
// everything and returned instead, at exit. It then uses what it used before
// and prints "resumed"; under AddressSanitizer a use of a destroyed object
// ends the process with a report instead.
//
//   stuckthreadprogram communication|serial-search [EXIT_CODE]
#include "app/CommunicationContext.h"
#include "app/Program.h"
#include "resources/Resources.h"
#include "search/COMSearch.h"
#include "search/SearchEngine.h"
#include "search/SearchThreadHandler.h"

#include "tests/support/FixedSerialPortLister.h"
#include "tests/support/PtyPair.h"

#include <QApplication>
#include <QDateTime>
#include <QSemaphore>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

constexpr int waitMs = 30000;
QSemaphore entered, release, done;

void letGo()
{
    release.release();
    if (done.tryAcquire(1, waitMs))
        std::puts("resumed");
    std::fflush(stdout);
}

// Holds `thread` in a call until letGo, then has it use the log, which the
// communication context owns, and `alsoUsed`.
void hold(QThread* thread, Common::Communication::ILogger* log, std::function<void()> alsoUsed)
{
    auto* blocker = new QObject;
    blocker->moveToThread(thread);
    QMetaObject::invokeMethod(blocker, [log, alsoUsed] {
        entered.release();
        release.acquire();
        log->sent(QStringLiteral("held thread"), QDateTime::currentDateTime(),
                  QStringLiteral("resumed"));
        alsoUsed();
        done.release();
    });
}

} // namespace

int main(int argc, char* argv[])
{
    initSorvanaResources();
    QApplication application(argc, argv);
    const QStringList args = application.arguments();
    const QString which = args.value(1);
    const int exitCode = args.value(2, QStringLiteral("3")).toInt();

    PtyPair silent;
    FixedSerialPortLister ports;
    Program program;
    if (!program.prepareDatabase())
        return 90;
    program.build();
    CommunicationContext* context = program.communication();
    Common::Communication::ILogger* log = context->logger();

    if (which == QLatin1String("communication")) {
        Common::Communication::ConnectionManager* connection = context->connectionManager();
        hold(context->workerThread(), log, [connection] { connection->statusFlags(); });
    } else if (which == QLatin1String("serial-search")) {
        // A port that never answers keeps its search going.
        if (!silent.open())
            return 91;
        ports.add(silent.slavePath());
        Common::Communication::COMSearch* serial = context->searchHolder()->serialSearch();
        serial->setPortLister(&ports);
        Common::SearchEngine* engine = context->searchHolder()->searchEngine();
        QMetaObject::invokeMethod(engine, [engine] { engine->search(true, false); });
        // The port's search runs on a thread of its own, a child of the search.
        if (!QTest::qWaitFor([serial] { return !serial->findChildren<QThread*>().isEmpty(); },
                             waitMs))
            return 92;
        QThread* portThread = serial->findChildren<QThread*>().constFirst();
        // The port's loop asks its search whether to stop.
        auto* search = qobject_cast<Common::Communication::SearchThreadHandler*>(
            portThread->parent());
        hold(portThread, log, [search] { search->isStopped(); });
    } else {
        std::fprintf(stderr, "usage: stuckthreadprogram communication|serial-search [CODE]\n");
        return 2;
    }
    if (!entered.tryAcquire(1, waitMs))
        return 93;
    std::at_quick_exit(letGo);
    std::atexit(letGo);
    QTimer::singleShot(0, &application, [exitCode] { QApplication::exit(exitCode); });
    return program.run();
}
