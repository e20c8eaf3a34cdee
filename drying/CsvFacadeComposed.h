#pragma once

#include "drying/ICsvFacade.h"

#include <memory>

namespace Common {

// One CSV facade over a separate saver and loader.
class CsvFacadeComposed : public ICsvFacade
{
public:
    CsvFacadeComposed(std::shared_ptr<ICsvSavable> saver, std::shared_ptr<ICsvLoadable> loader);

    bool load() override { return m_loader->load(); }
    bool save() override { return m_saver->save(); }

private:
    std::shared_ptr<ICsvSavable> m_saver;
    std::shared_ptr<ICsvLoadable> m_loader;
};

} // namespace Common
