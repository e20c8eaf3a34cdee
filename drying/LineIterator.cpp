#include "drying/LineIterator.h"

#include "drying/CsvText.h"
#include "drying/ITdDataInterface.h"

namespace KD {
namespace Drying {
namespace CSV {

LineIterator::LineIterator(const ITdDataInterface* run) : m_run(run) { }

QStringList LineIterator::next()
{
    if (!hasNext())
        return {};
    const int row = m_row++;
    // Hours count on past 24, so a long run loads back in order.
    Common::CSV::setRunTime(m_fields[0], m_run->timeAt(row));
    Common::CSV::setSignificant(m_fields[1], m_run->massAt(row), 6);
    Common::CSV::setSignificant(m_fields[2], m_run->humidityAt(row), 6);
    return m_fields;
}

bool LineIterator::hasNext() const { return m_row < m_run->samplesCount(); }

} // namespace CSV
} // namespace Drying
} // namespace KD
