#pragma once

#include "drying/ISaverCreator.h"

namespace Common {
namespace CSV {

// Savers that write a file the user picks in the CSV file dialog.
class NormalSaverCreator : public ISaverCreator
{
public:
    std::shared_ptr<CSVSaver2> create(const QString& context) override;
};

} // namespace CSV
} // namespace Common
