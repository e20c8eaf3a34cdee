#pragma once

#include <QString>
#include <QStringList>

namespace Common {
namespace CSV {

// Takes the data rows of a file being read.
class ICSVLineHandler
{
public:
    virtual ~ICSVLineHandler() = default;
    // False refuses the row and stops the load.
    virtual bool handle(const QStringList& fields) = 0;
    // Why the last row was refused (rich text: it is shown in a message box).
    virtual QString errorText() const = 0;
};

} // namespace CSV
} // namespace Common
