#include "ui/VornFileDialog.h"

#include "ui/QtFileDialogPresenter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString group = QStringLiteral("SavedFilePaths");
IFileDialogPresenter* replacedPresenter = nullptr;

} // namespace

VornFileDialog::VornFileDialog(const QString& settingsKey, QWidget* parent)
    : QFileDialog(parent, QString(), QString(), QString()), m_settingsKey(settingsKey)
{ }

QString VornFileDialog::getOpenPath(const QString& filter)
{
    return askPath(ExistingFile, AcceptOpen, filter);
}

QString VornFileDialog::getSavePath(const QString& filter)
{
    return askPath(AnyFile, AcceptSave, filter);
}

QString VornFileDialog::askPath(FileMode mode, AcceptMode acceptMode, const QString& filter)
{
    setFileMode(mode);
    setAcceptMode(acceptMode);
    setDirectory(lastFolder());
    if (!filter.isEmpty())
        setNameFilter(filter);

    const QString file = presenter()->choose(*this);
    if (file.isEmpty())
        return QString();
    storeFolder(QFileInfo(file).absoluteDir().absolutePath());
    return file;
}

QString VornFileDialog::nameFilter(int fileType)
{
    switch (fileType) {
    case CsvFile:
        return QCoreApplication::translate("QObject", "CSV files") + QStringLiteral(" (*.csv)");
    case JsonFile:
        return QCoreApplication::translate("QObject", "JSON files") + QStringLiteral(" (*.json)");
    case TxtFile:
        return QCoreApplication::translate("QObject", "TXT files") + QStringLiteral(" (*.txt)");
    case ImageFile:
        return QCoreApplication::translate("QObject", "Image files") + QStringLiteral(" (*.png)");
    default: return QString();
    }
}

QString VornFileDialog::defaultFolder()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:/");
#else
    return QDir::homePath();
#endif
}

QString VornFileDialog::lastFolder() const
{
    if (m_settingsKey.isEmpty())
        return defaultFolder();
    QSettings settings;
    settings.beginGroup(group);
    const QString folder = settings.childKeys().contains(m_settingsKey)
                               ? settings.value(m_settingsKey).toString()
                               : defaultFolder();
    settings.endGroup();
    return folder;
}

void VornFileDialog::storeFolder(const QString& folder)
{
    // Without a key there is nothing it could be read back under.
    if (m_settingsKey.isEmpty())
        return;
    QSettings().setValue(group + QLatin1Char('/') + m_settingsKey, folder);
}

void VornFileDialog::setPresenter(IFileDialogPresenter* presenter)
{
    replacedPresenter = presenter;
}

IFileDialogPresenter* VornFileDialog::presenter()
{
    static QtFileDialogPresenter real;
    return replacedPresenter ? replacedPresenter : &real;
}

QString askSaveTextPath(const QString& context, int fileType)
{
    VornFileDialog dialog(context);
    return dialog.getSavePath(VornFileDialog::nameFilter(fileType));
}
