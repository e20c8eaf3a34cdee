#include "terminal/TabTerminalTrProvider.h"

TabTerminalTrProvider::TabTerminalTrProvider(QObject* parent) : QObject(parent) { }

QString TabTerminalTrProvider::text(int id) const
{
    switch (id) {
    case AutoCheckConnection: return tr("Auto check connection");
    case FormatWithCrLf: return tr("Format with CRLF");
    case ReverseCommandsToDefault: return tr("Reverse commands to default");
    case FilterMessages: return tr("Filter messages");
    case HideShowColumns: return tr("Hide/Show columns");
    case SaveMessagesLogs: return tr("Save messages logs");
    case SaveRawLogs: return tr("Save raw logs");
    case ClearLogs: return tr("Clear logs");
    case TabTerminal: return tr("Tab terminal");
    default: return QString();
    }
}
