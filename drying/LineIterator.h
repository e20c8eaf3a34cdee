#pragma once

#include "drying/ILineIterator.h"

namespace KD {

class ITdDataInterface;

namespace Drying {
namespace CSV {

// The run's records as rows of its file: time, mass, humidity.
class LineIterator : public Common::CSV::ILineIterator
{
public:
    explicit LineIterator(const ITdDataInterface* run);
    QStringList next() override;
    bool hasNext() const override;

private:
    const ITdDataInterface* m_run;
    int m_row = 0;
};

} // namespace CSV
} // namespace Drying
} // namespace KD
