#include "drying/NormalSaverCreator.h"

#include "drying/CSVSaver2.h"
#include "ui/SaveFilePathGetter.h"
#include "ui/VornFileDialog.h"
#include "ui/WriteFileWrapper.h"

namespace Common {
namespace CSV {

std::shared_ptr<CSVSaver2> NormalSaverCreator::create(const QString& context)
{
    return std::make_shared<CSVSaver2>(
        std::make_shared<WriteFileWrapper>(),
        std::make_shared<SaveFilePathGetter>(context, VornFileDialog::CsvFile));
}

} // namespace CSV
} // namespace Common
