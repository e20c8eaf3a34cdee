#pragma once

#include "ui/ITranslationProvider.h"

#include <QObject>

namespace Common {

// Texts of the message boxes and of their Yes/No buttons.
class MessageBoxTrProvider : public QObject, public ITranslationProvider
{
    Q_OBJECT

public:
    enum Id {
        NoDataToSave = 0,
        ClearAllData = 1,
        Yes = 2,
        No = 3,
        ClearLogsDatabase = 4,
        ResetCommands = 5,
        NoBaudRate = 6,
        NoSearchMode = 7,
        FirmwareUpdated = 8,
        FirmwareUpdateFailed = 9,
        UploadFirmwareQuestion = 10,
        InvalidFile = 11,
        FileOpenError = 12,
    };

    explicit MessageBoxTrProvider(QObject* parent = nullptr);
    QString text(int id) const override;
};

} // namespace Common
