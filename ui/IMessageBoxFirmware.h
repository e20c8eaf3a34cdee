#pragma once

class QString;

namespace Common {

class IMessageBoxFirmware
{
public:
    virtual ~IMessageBoxFirmware() = default;
    virtual void showUpdateSucceeded() = 0;
    virtual void showUpdateFailed() = 0;
    virtual bool askUploadConfirmation(const QString& fileName) = 0;
    virtual void showInvalidFile() = 0;
};

} // namespace Common
