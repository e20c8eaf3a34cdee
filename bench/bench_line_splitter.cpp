// Lines per second through the receive path of the command engine: a
// transport's chunks are decoded, cut into CR LF lines by LineSplitter and
// dispatched to the line handler, as measurement lines are during a run.
//
//   bench_line_splitter [LINES] [--log]
//
// The stream is cut into chunks of varying size (three ranges, from
// byte-by-byte serial trickles to full 10000-byte reads). --log adds the
// communication logger, which records every chunk.

#include "communication/CommnadEngine.h"
#include "communication/ILineHandler.h"
#include "terminal/Logger.h"
#include "tests/support/MemoryInterface.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextStream>

#include <cstdio>

namespace {

struct CountingHandler : public Common::Communication::ILineHandler
{
    qint64 lines = 0;
    qint64 chars = 0;
    bool handleLine(QString line) override
    {
        ++lines;
        chars += line.size();
        return true;
    }
};

QByteArray measurementStream(int lines)
{
    QByteArray stream;
    stream.reserve(lines * 14);
    QRandomGenerator random(7);
    for (int i = 0; i < lines; ++i) {
        stream += QByteArray::number(10.0 + random.bounded(1000) / 1000.0, 'f', 3);
        stream += " g\r\n";
    }
    return stream;
}

QVector<int> chunkSizes(int total, int smallest, int largest)
{
    QVector<int> sizes;
    QRandomGenerator random(11);
    for (int at = 0; at < total;) {
        const int size = qMin(total - at, int(random.bounded(smallest, largest + 1)));
        sizes.append(size);
        at += size;
    }
    return sizes;
}

void run(const QByteArray& stream, int lines, int smallest, int largest, bool log)
{
    const QVector<int> sizes = chunkSizes(stream.size(), smallest, largest);
    Common::Communication::CommnadEngine engine;
    auto* iface = new MemoryInterface;
    engine.setInterface(iface);
    CountingHandler handler;
    engine.setLineHandler(&handler);
    Common::Communication::Logger logger;
    if (log)
        engine.setLogger(&logger);

    QElapsedTimer clock;
    clock.start();
    int at = 0;
    for (int size : sizes) {
        iface->feed(QByteArray::fromRawData(stream.constData() + at, size));
        at += size;
        // The log view drains the logger every 500 ms; here after each chunk.
        while (log && logger.hasRecords())
            logger.takeFirst();
    }
    const double seconds = clock.nsecsElapsed() / 1e9;
    if (handler.lines != lines)
        std::fprintf(stderr, "lost lines: %lld of %d\n", handler.lines, lines);
    std::printf("chunks %5d..%-5d  %9d chunks  %8.0f lines/s  %6.1f MB/s%s\n", smallest, largest,
                sizes.size(), lines / seconds, stream.size() / seconds / 1e6,
                log ? "  (logged)" : "");
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool log = args.contains(QStringLiteral("--log"));
    int lines = 2000000;
    for (const QString& arg : args.mid(1)) {
        if (arg.toInt() > 0)
            lines = arg.toInt();
    }
    const QByteArray stream = measurementStream(lines);
    std::printf("%d measurement lines, %d bytes\n", lines, int(stream.size()));
    run(stream, lines, 1, 16, log);
    run(stream, lines, 16, 512, log);
    run(stream, lines, 512, 10000, log);
    return 0;
}
