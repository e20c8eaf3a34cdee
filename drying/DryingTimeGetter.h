#pragma once

#include "drying/IDryingTimeGetter.h"

namespace KD {
class ITdDataInterface;

namespace Drying {

class DryingTimeGetter : public IDryingTimeGetter
{
public:
    explicit DryingTimeGetter(const ITdDataInterface* data);

    int dryingTime() const override;

private:
    const ITdDataInterface* m_data;
};

} // namespace Drying
} // namespace KD
