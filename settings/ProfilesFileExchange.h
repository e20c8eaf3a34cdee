#pragma once

class QWidget;
struct MessageBoxContext;

// Export of every stored parameter set to a JSON file and import of the sets
// of such a file, with the file dialogs (folder remembered under "Profiles")
// and the warnings of the drying-settings page. Failures end in one warning
// and leave the database as it was.
class ProfilesFileExchange
{
public:
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
