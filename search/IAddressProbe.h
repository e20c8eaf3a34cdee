#pragma once

#include <QObject>

namespace Common {
namespace Communication {

// Asks whether an IPv4 address answers, one address at a time; the answer
// comes with probed().
class IAddressProbe : public QObject
{
    Q_OBJECT

public:
    enum Result { Free = 0, Taken = 1, Failed = 2 };

    using QObject::QObject;

    virtual void probe(quint32 address) = 0;
    // Drops the running probe; no probed() follows for it.
    virtual void cancel() = 0;

signals:
    void probed(quint32 address, int result);
};

} // namespace Communication
} // namespace Common
