#pragma once

#include "communication/ITargetManager.h"

#include <QMap>

namespace Common {
namespace Communication {

class TargetManager : public ITargetManager
{
public:
    IDevice* target(int type) override { return m_targets.value(type, nullptr); }
    void setTarget(int type, IDevice* device) override { m_targets.insert(type, device); }

private:
    QMap<int, IDevice*> m_targets;
};

} // namespace Communication
} // namespace Common
