#pragma once

namespace Common {

class IRetranslatable;

class IRetranslator
{
public:
    virtual ~IRetranslator() = default;
    // The object is not owned and must outlive the retranslator's use.
    virtual void add(IRetranslatable* object) = 0;
};

} // namespace Common
