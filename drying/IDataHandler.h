#pragma once

namespace Common {
namespace DataHandlers {

// Writes one typed field, which the handler points at but does not own, from
// a value of type Source (a text or a QVariant).
template <typename Source>
class IDataHandler
{
public:
    virtual ~IDataHandler() = default;
    virtual void set(const Source& value) = 0;
};

} // namespace DataHandlers
} // namespace Common
