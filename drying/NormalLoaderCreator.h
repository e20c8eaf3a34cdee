#pragma once

#include "drying/ILoaderCreator.h"

namespace Common {
namespace CSV {

// Loaders that read a file the user picks in the CSV file dialog.
class NormalLoaderCreator : public ILoaderCreator
{
public:
    std::shared_ptr<CSVLoader> create(ICSVLineHandler* handler, const QString& context,
                                      bool readMetaData) override;
};

} // namespace CSV
} // namespace Common
