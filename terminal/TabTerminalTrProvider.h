#pragma once

#include "ui/ITranslationProvider.h"

#include <QObject>

// Texts of the terminal page: its tool actions and its title.
class TabTerminalTrProvider : public QObject, public ITranslationProvider
{
    Q_OBJECT

public:
    enum Id {
        AutoCheckConnection = 0,
        FormatWithCrLf = 1,
        ReverseCommandsToDefault = 2,
        FilterMessages = 3,
        HideShowColumns = 4,
        SaveMessagesLogs = 5,
        SaveRawLogs = 6,
        ClearLogs = 7,
        TabTerminal = 8,
    };

    explicit TabTerminalTrProvider(QObject* parent = nullptr);
    QString text(int id) const override;
};
