#include "ui/MessageBoxTrProvider.h"

namespace Common {

MessageBoxTrProvider::MessageBoxTrProvider(QObject* parent) : QObject(parent) { }

QString MessageBoxTrProvider::text(int id) const
{
    switch (id) {
    case NoDataToSave: return tr("No data to save!");
    case ClearAllData: return tr("Are you sure you want to clear all the data?");
    case Yes: return tr("Yes");
    case No: return tr("No");
    case ClearLogsDatabase:
        return tr("Are you sure you want to clear the logs database?\n"
                  "This action cannot be reversed, consider using filters.");
    case ResetCommands: return tr("Are you sure you want to set commands back to default?");
    case NoBaudRate: return tr("No baud rate selected!\nAt least one baud rate must be selected!");
    case NoSearchMode:
        return tr("No search mode selected!\nAt least one search mode must be selected!");
    case FirmwareUpdated: return tr("Firmware updated successfully");
    case FirmwareUpdateFailed: return tr("Firmware update failed");
    case UploadFirmwareQuestion:
        return tr("Are you sure you wish to upload this file as a firmware to device?");
    case InvalidFile: return tr("Chosen file is invalid!");
    case FileOpenError: return tr("There was an error while trying to open a file");
    default: return QString();
    }
}

} // namespace Common
