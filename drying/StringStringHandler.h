#pragma once

#include <QString>

#include "drying/IDataHandler.h"

namespace Common {
namespace DataHandlers {

// Takes the text as it is.
class StringStringHandler : public IDataHandler<QString>
{
public:
    explicit StringStringHandler(QString* field);
    void set(const QString& value) override;

private:
    QString* m_field;
};

} // namespace DataHandlers
} // namespace Common
