#pragma once

class QJsonValue;

namespace Common {
namespace Json {

// Reads one JSON value into the field a parser is bound to.
class IParsable
{
public:
    virtual ~IParsable() = default;
    virtual bool parse(const QJsonValue& value) = 0;
};

// A parser bound to a field it does not own.
template <typename T>
class GenericTypeParser : public IParsable
{
public:
    explicit GenericTypeParser(T* target) : m_target(target) { }

protected:
    T* m_target;
};

} // namespace Json
} // namespace Common
