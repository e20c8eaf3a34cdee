#include "drying/NormalLoaderCreator.h"

#include "drying/CSVLoader.h"
#include "ui/LoadFilePathGetter.h"
#include "ui/ReadFileWrapper.h"
#include "ui/VornFileDialog.h"

namespace Common {
namespace CSV {

std::shared_ptr<CSVLoader> NormalLoaderCreator::create(ICSVLineHandler* handler,
                                                       const QString& context, bool readMetaData)
{
    return std::make_shared<CSVLoader>(
        std::make_shared<ReadFileWrapper>(),
        std::make_shared<LoadFilePathGetter>(context, VornFileDialog::CsvFile), handler,
        readMetaData);
}

} // namespace CSV
} // namespace Common
