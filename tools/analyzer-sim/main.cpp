// A simulated analyzer for trying the program by hand.
//
//   analyzer-sim --pty               serial: prints the port path to open
//   analyzer-sim --listen 4001       network module the program connects to
//   analyzer-sim --connect 4001      device that connects to the program's server
//
// Lines typed on standard input are sent to the program as the device's own
// lines (a measurement such as "12.345 g", "SK0"); "!drop" drops a TCP
// connection, "!garbage" sends bytes without a line end, "!start" starts a
// drying run as the analyzer's own keyboard does. "Sfirmwupd" from the
// program enters the bootloader, which takes a firmware upload.

#include "tests/support/AnalyzerSimulator.h"
#include "tests/support/SimulatedDryer.h"
#include "tests/support/SimulatorBootloader.h"
#include "tests/support/SimulatorPtyLink.h"
#include "tests/support/SimulatorTcpDevice.h"
#include "tests/support/SimulatorTcpModule.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>

#include <cstdio>
#include <unistd.h>

namespace {

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

void forwardStandardInput(AnalyzerSimulator& sim, SimulatedDryer& dryer, QObject* parent)
{
    auto* notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, parent);
    QObject::connect(notifier, &QSocketNotifier::activated, parent, [&sim, &dryer, notifier] {
        char line[1024];
        if (!std::fgets(line, sizeof line, stdin)) {
            notifier->setEnabled(false);
            return;
        }
        const QByteArray text = QByteArray(line).trimmed();
        if (text == "!drop")
            sim.dropConnection();
        else if (text == "!garbage")
            sim.sendGarbage(200);
        else if (text == "!start")
            dryer.startFromKeyboard();
        else
            sim.reply(text);
    });
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("analyzer-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A simulated moisture analyzer."));
    parser.addHelpOption();
    const QCommandLineOption pty(QStringLiteral("pty"),
                                 QStringLiteral("Serial over a pseudo-terminal."));
    const QCommandLineOption listen(QStringLiteral("listen"),
                                    QStringLiteral("Network module listening on 127.0.0.1:PORT."),
                                    QStringLiteral("PORT"));
    const QCommandLineOption connectTo(QStringLiteral("connect"),
                                       QStringLiteral("Connect to the program's server at PORT."),
                                       QStringLiteral("PORT"));
    const QCommandLineOption host(QStringLiteral("host"),
                                  QStringLiteral("Address for --connect (loopback by default)."),
                                  QStringLiteral("ADDRESS"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption delay(QStringLiteral("delay"),
                                   QStringLiteral("Delay before each reply."), QStringLiteral("MS"),
                                   QStringLiteral("0"));
    const QCommandLineOption chunk(QStringLiteral("chunk"),
                                   QStringLiteral("Send replies in pieces of N bytes."),
                                   QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption gap(QStringLiteral("gap"), QStringLiteral("Pause between pieces."),
                                 QStringLiteral("MS"), QStringLiteral("0"));
    const QCommandLineOption emptyLines(QStringLiteral("empty-lines"),
                                        QStringLiteral("Empty lines before each reply."),
                                        QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption silent(QStringLiteral("silent"), QStringLiteral("Never reply."));
    const QCommandLineOption zeroByte(QStringLiteral("zero-byte"),
                                      QStringLiteral("A zero byte after each reply."));
    const QCommandLineOption wrongCase(QStringLiteral("wrong-case"),
                                       QStringLiteral("Replies in lower case."));
    const QCommandLineOption period(QStringLiteral("period"),
                                    QStringLiteral("Time between two readings of a run."),
                                    QStringLiteral("MS"), QStringLiteral("1000"));
    const QCommandLineOption failRecord(
        QStringLiteral("fail-record"),
        QStringLiteral("Bootloader answers \"f2\" to firmware record K (from 1)."),
        QStringLiteral("K"), QStringLiteral("0"));
    parser.addOptions({pty, listen, connectTo, host, delay, chunk, gap, emptyLines, silent,
                       zeroByte, wrongCase, period, failRecord});
    parser.process(app);

    AnalyzerSimulator sim;
    sim.setReplyDelay(parser.value(delay).toInt());
    sim.setChunkSize(parser.value(chunk).toInt());
    sim.setChunkGap(parser.value(gap).toInt());
    sim.setEmptyLinesBefore(parser.value(emptyLines).toInt());
    sim.setSilent(parser.isSet(silent));
    sim.setZeroByteAfterReply(parser.isSet(zeroByte));
    sim.setWrongCase(parser.isSet(wrongCase));
    SimulatedDryer dryer(&sim);
    dryer.setReadingPeriod(parser.value(period).toInt());
    QObject::connect(&sim, &AnalyzerSimulator::lineReceived,
                     [](const QByteArray& line) { out() << "<< " << line << Qt::endl; });
    SimulatorBootloader bootloader(&sim);
    bootloader.failAt(parser.value(failRecord).toInt());
    QObject::connect(&bootloader, &SimulatorBootloader::finished, [&bootloader](bool ok) {
        out() << "firmware upload " << (ok ? "finished" : "refused") << " after "
              << bootloader.records().size() << " records" << Qt::endl;
    });

    if (parser.isSet(pty)) {
        auto* link = new SimulatorPtyLink(&sim, &app);
        if (!link->open()) {
            out() << "No pseudo-terminal could be opened." << Qt::endl;
            return 1;
        }
        out() << link->slavePath() << Qt::endl;
    } else if (parser.isSet(listen)) {
        auto* module = new SimulatorTcpModule(&sim, &app);
        if (!module->listen(quint16(parser.value(listen).toUInt()))) {
            out() << "Cannot listen on port " << parser.value(listen) << Qt::endl;
            return 1;
        }
        out() << "listening on 127.0.0.1:" << module->port() << Qt::endl;
    } else if (parser.isSet(connectTo)) {
        auto* device = new SimulatorTcpDevice(&sim, &app);
        QObject::connect(device, &SimulatorTcpDevice::connected,
                         [] { out() << "connected" << Qt::endl; });
        QObject::connect(device, &SimulatorTcpDevice::disconnected,
                         [] { out() << "disconnected" << Qt::endl; });
        device->connectTo(QHostAddress(parser.value(host)),
                          quint16(parser.value(connectTo).toUInt()));
    } else {
        parser.showHelp(2);
    }
    forwardStandardInput(sim, dryer, &app);
    return app.exec();
}
