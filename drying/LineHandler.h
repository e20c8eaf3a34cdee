#pragma once

#include "drying/ICSVLineHandler.h"
#include "drying/TimeHandler.h"

namespace KD {
namespace Drying {

class ITdFileDataReceiver;

namespace CSV {

// Reads one row of a run file (time and mass) into the run; the humidity
// column is recomputed, not read.
class LineHandler : public Common::CSV::ICSVLineHandler
{
public:
    explicit LineHandler(ITdFileDataReceiver* receiver);
    bool handle(const QStringList& fields) override;
    QString errorText() const override { return m_errorText; }

private:
    ITdFileDataReceiver* m_receiver;
    QString m_errorText;
    Common::CSV::TimeHandler m_time;
};

} // namespace CSV
} // namespace Drying
} // namespace KD
