#pragma once

#include <QString>

#include <memory>

namespace Common {
namespace CSV {

class CSVSaver2;

class ISaverCreator
{
public:
    virtual ~ISaverCreator() = default;
    virtual std::shared_ptr<CSVSaver2> create(const QString& context) = 0;
};

} // namespace CSV
} // namespace Common
