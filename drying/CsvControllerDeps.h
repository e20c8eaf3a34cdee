#pragma once

#include "drying/CSVRWErrorHandler.h"
#include "drying/ICsvControllerDeps.h"
#include "drying/NormalLoaderCreator.h"
#include "drying/NormalSaverCreator.h"

namespace Common {

// The drying page's CSV bundle: file-dialog loaders and savers and the boxes
// of their failures.
class CsvControllerDeps : public ICsvControllerDeps
{
public:
    explicit CsvControllerDeps(const MessageBoxContext& boxes);

    CSV::ILoaderErrorHandler* loaderErrorHandler() override { return &m_errorHandler; }
    CSV::ISaverErrorHandler* saverErrorHandler() override { return &m_errorHandler; }
    CSV::ILoaderCreator* loaderCreator() override { return &m_loaderCreator; }
    CSV::ISaverCreator* saverCreator() override { return &m_saverCreator; }

private:
    CSV::CSVRWErrorHandler m_errorHandler;
    CSV::NormalLoaderCreator m_loaderCreator;
    CSV::NormalSaverCreator m_saverCreator;
};

} // namespace Common
