#pragma once

#include "drying/ILoaderErrorHandler.h"
#include "drying/ISaverErrorHandler.h"
#include "ui/MessageBoxContext.h"

#include <QObject>

namespace Common {
namespace CSV {

// Tells the user why a CSV file could not be saved or loaded.
class CSVRWErrorHandler : public QObject, public ILoaderErrorHandler, public ISaverErrorHandler
{
    Q_OBJECT

public:
    explicit CSVRWErrorHandler(const MessageBoxContext& boxes);

    void onLoaderError(const LoadErrorInfo& info) override;
    void onSaverError(int status) override;

private:
    // Status 0 (cancelled) shows nothing.
    void showCommonError(int status);

    MessageBoxContext m_boxes;
};

} // namespace CSV
} // namespace Common
