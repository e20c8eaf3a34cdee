#pragma once

namespace Common {

// Tells whether some data holds nothing (so guards need not ask the user).
class IEmpty
{
public:
    virtual ~IEmpty() = default;
    virtual bool isEmpty() const = 0;
};

} // namespace Common
