#pragma once

#include "search/IAddressProbe.h"

#include <QPointer>
#include <QProcess>

namespace Common {
namespace Communication {

// Probes an address with the system's "ping": one echo request, one second
// to answer. An address is taken when ping succeeds (and, on Windows, prints a
// reply with "TTL=", since it also succeeds on "Destination host unreachable").
// On Linux only "no reply" (exit 1) leaves it free: any other failure (2 for
// no permission or no route, a crash) says nothing of the address.
class PingProbe : public IAddressProbe
{
    Q_OBJECT

public:
    using IAddressProbe::IAddressProbe;
    ~PingProbe() override;

    void probe(quint32 address) override;
    void cancel() override;

    static QStringList arguments(const QString& address);
    // What a finished ping says of the address.
    static Result resultOf(int exitCode, QProcess::ExitStatus status, const QByteArray& output);

private:
    void release(QProcess* process);

    QPointer<QProcess> m_process;
};

} // namespace Communication
} // namespace Common
