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

    void setPreStartCheck(Common::IDataCleaner* check) { preStartCheck = check; }
    void setController(IRunControl* controller) { this->controller = controller; }

    bool start() override;
    void stop() override;

private:
    Common::IDataCleaner* preStartCheck = nullptr;
    IRunControl* controller = nullptr;
};

} // namespace KD
