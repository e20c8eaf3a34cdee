#pragma once

#include "ui/IMessageBoxFirmware.h"

struct MessageBoxContext;

namespace Common {

class MessageBoxesFirmware : public IMessageBoxFirmware
{
public:
    explicit MessageBoxesFirmware(MessageBoxContext* context);
    void showUpdateSucceeded() override;
    void showUpdateFailed() override;
    bool askUploadConfirmation(const QString& fileName) override;
    void showInvalidFile() override;

private:
    MessageBoxContext* m_context;
};

} // namespace Common
