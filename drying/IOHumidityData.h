#pragma once

#include "drying/IHumidityData.h"

#include <QObject>

namespace KD {
namespace Drying {

// The run model as a QObject: changed() follows every append, every clear
// that removed rows and every recompute.
class IOHumidityData : public QObject, public IHumidityData
{
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    void changed();
};

} // namespace Drying
} // namespace KD
