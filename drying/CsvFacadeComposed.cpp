#include "drying/CsvFacadeComposed.h"

namespace Common {

CsvFacadeComposed::CsvFacadeComposed(std::shared_ptr<ICsvSavable> saver,
                                     std::shared_ptr<ICsvLoadable> loader)
    : m_saver(std::move(saver)), m_loader(std::move(loader))
{ }

} // namespace Common
