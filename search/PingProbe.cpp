#include "search/PingProbe.h"

#include <QHostAddress>

namespace Common {
namespace Communication {

PingProbe::~PingProbe() { cancel(); }

QStringList PingProbe::arguments(const QString& address)
{
#ifdef Q_OS_WIN
    return {"-n", "1", "-w", "1000", address};
#else
    return {"-c", "1", "-W", "1", address};
#endif
}

IAddressProbe::Result PingProbe::resultOf(int exitCode, QProcess::ExitStatus status,
                                          const QByteArray& output)
{
#ifdef Q_OS_WIN
    if (status != QProcess::NormalExit || exitCode != 0)
        return Free;
    return output.contains("TTL=") ? Taken : Free;
#else
    Q_UNUSED(output)
    if (status != QProcess::NormalExit)
        return Failed;
    switch (exitCode) {
    case 0: return Taken;
    case 1: return Free;
    default: return Failed;
    }
#endif
}

void PingProbe::probe(quint32 address)
{
    cancel();
    auto* process = new QProcess(this);
    m_process = process;
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            [this, process, address](int exitCode, QProcess::ExitStatus status) {
                const Result result = resultOf(exitCode, status, process->readAll());
                release(process);
                emit probed(address, result);
            });
    connect(process, &QProcess::errorOccurred, this,
            [this, process, address](QProcess::ProcessError error) {
                // A crash or time-out also ends in finished(); only a ping that
                // never ran must be reported here.
                if (error != QProcess::FailedToStart)
                    return;
                release(process);
                emit probed(address, Failed);
            });
    process->start("ping", arguments(QHostAddress(address).toString()), QIODevice::ReadOnly);
}

void PingProbe::release(QProcess* process)
{
    // Still inside the process's own signal: the next probe, started from
    // probed(), must not delete it under its feet.
    if (m_process == process)
        m_process = nullptr;
    process->deleteLater();
}

void PingProbe::cancel()
{
    if (!m_process)
        return;
    QProcess* process = m_process;
    m_process = nullptr;
    process->disconnect(this);
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(1000);
    }
    delete process;
}

} // namespace Communication
} // namespace Common
