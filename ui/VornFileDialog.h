#pragma once

#include <QFileDialog>

class IFileDialogPresenter;

// The one file dialog of the program. It remembers, per context (settings key
// under the group "SavedFilePaths"), the folder of the file chosen last there.
class VornFileDialog : public QFileDialog
{
public:
    enum FileType { CsvFile = 0, JsonFile = 1, TxtFile = 2, ImageFile = 3 };

    explicit VornFileDialog(const QString& settingsKey, QWidget* parent = nullptr);

    // The chosen file, or "" when the user cancelled.
    QString getOpenPath(const QString& filter);
    QString getSavePath(const QString& filter);

    // "CSV files (*.csv)" and the like; "" (all files) for an unknown type.
    static QString nameFilter(int fileType);
    // The folder a dialog starts in before anything was remembered.
    static QString defaultFolder();

    QString lastFolder() const;
    void storeFolder(const QString& folder);

    // Who runs the dialogs: the modal dialog unless a test has put its own
    // presenter in place (nullptr restores the real one).
    static void setPresenter(IFileDialogPresenter* presenter);
    static IFileDialogPresenter* presenter();

private:
    QString askPath(FileMode mode, AcceptMode acceptMode, const QString& filter);

    QString m_settingsKey;
};

// The save path for a file type in a context, through a fresh dialog.
QString askSaveTextPath(const QString& context, int fileType);
