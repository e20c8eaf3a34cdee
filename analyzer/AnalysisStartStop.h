#pragma once

#include "analyzer/IStartStop.h"

namespace Common {
class IDataCleaner;
}

namespace KD {

class IRunControl;

// Start and Stop go to the drying controller; a start first passes the
// pre-start check (the drying page's "clear the data?" guard).
class AnalysisStartStop : public IStartStop
{
public:
    AnalysisStartStop() = default;

    void setPreStartCheck(Common::IDataCleaner* check) { m_preStartCheck = check; }
    void setController(IRunControl* controller) { m_controller = controller; }

    bool start() override;
    void stop() override;

private:
    Common::IDataCleaner* m_preStartCheck = nullptr;
    IRunControl* m_controller = nullptr;
};

} // namespace KD
