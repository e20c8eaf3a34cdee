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
    return {Common::CSV::formatRunTime(m_run->timeAt(row)),
            QString::number(m_run->massAt(row), 'g', 6),
            QString::number(m_run->humidityAt(row), 'g', 6)};
}

bool LineIterator::hasNext() const { return m_row < m_run->samplesCount(); }

} // namespace CSV
} // namespace Drying
} // namespace KD
