#include "drying/DryingTimeGetter.h"

#include "drying/ITdDataInterface.h"

namespace KD {
namespace Drying {

DryingTimeGetter::DryingTimeGetter(const ITdDataInterface* data) : m_data(data) { }

int DryingTimeGetter::dryingTime() const
{
    const int count = m_data->samplesCount();
    return count > 0 ? m_data->timeAt(count - 1) : 0;
}

} // namespace Drying
} // namespace KD
