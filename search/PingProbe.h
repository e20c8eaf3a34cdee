#pragma once

#include "search/IAddressProbe.h"

#include <QPointer>
#include <QProcess>

namespace Common {
namespace Communication {

// Probes an address with the system's "ping": one echo request, one second
// to answer. An address is taken when ping succeeds (and, on Windows, prints a
// reply with "TTL=", since it also succeeds on "Destination host unreachable").
class PingProbe : public IAddressProbe
{
    Q_OBJECT

public:
    using IAddressProbe::IAddressProbe;
    ~PingProbe() override;

    void probe(quint32 address) override;
    void cancel() override;

    static QStringList arguments(const QString& address);
    // Whether a finished ping says the address answered.
    static bool answered(int exitCode, QProcess::ExitStatus status, const QByteArray& output);

private:
    void release(QProcess* process);

    QPointer<QProcess> m_process;
};

} // namespace Communication
} // namespace Common
