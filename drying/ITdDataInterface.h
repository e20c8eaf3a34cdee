#pragma once

namespace KD {

// Read access to the rows of a drying run; rows outside the run give 0.
class ITdDataInterface
{
public:
    virtual ~ITdDataInterface() = default;
    virtual int samplesCount() const = 0;
    virtual double massAt(int row) const = 0;
    virtual int timeAt(int row) const = 0; // ms from the first record
    virtual double humidityAt(int row) const = 0;
};

} // namespace KD
