#include "analyzer/SignalFollowing.h"

#include <QObject>

namespace KD {
namespace Communication {

void followSignal(QObject* sender, const char* signal, QObject* receiver, const char* slot, bool on)
{
    if (on)
        QObject::connect(sender, signal, receiver, slot, Qt::UniqueConnection);
    else
        QObject::disconnect(sender, signal, receiver, slot);
}

} // namespace Communication
} // namespace KD
