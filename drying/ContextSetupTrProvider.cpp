#include "drying/ContextSetupTrProvider.h"

namespace Common {

ContextSetupTrProvider::ContextSetupTrProvider(QObject* parent) : QObject(parent) { }

QString ContextSetupTrProvider::text(int id) const
{
    switch (id) {
    case Parameter: return tr("Parameter");
    case Value: return tr("Value");
    default: return QString();
    }
}

} // namespace Common
