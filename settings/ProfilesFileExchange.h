#pragma once

#include <QtGlobal>

class QWidget;
struct MessageBoxContext;

// Export of every stored parameter set to a JSON file and import of the sets
// of such a file, with the file dialogs (folder remembered under "Profiles")
// and the warnings of the drying-settings page. Failures end in one warning
// and leave the database as it was.
class ProfilesFileExchange
{
public:
    // A set is some 400 bytes as exported; 16 MiB would hold some 40,000,
    // far more than anyone keeps. A larger file is no export of ours: it is
    // refused as unparsable, and read no further than the limit.
    static constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

    ProfilesFileExchange(MessageBoxContext* messages, QWidget* dialogParent = nullptr);

    // True when a file was written.
    bool exportDataToFile();
    // True when the import reached the database, so the page refreshes its table.
    bool importDataFromFile();

private:
    void warn(const char* text) const;

    MessageBoxContext* m_messages;
    QWidget* m_dialogParent;
};
