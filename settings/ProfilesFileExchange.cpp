#include "settings/ProfilesFileExchange.h"

#include "settings/DryerDB.h"
#include "settings/ProfilesImport.h"
#include "settings/ProfilesJsonWriter.h"
#include "ui/CheckedSaveFile.h"
#include "ui/HtmlFragments.h"
#include "ui/MessageBoxContext.h"
#include "ui/VornFileDialog.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>

namespace {

// The page's texts, translated in its context.
const char* const context = "CTabDryingSettings";
const QString settingsKey = QStringLiteral("Profiles");

QString translated(const char* text) { return QCoreApplication::translate(context, text); }

} // namespace

ProfilesFileExchange::ProfilesFileExchange(MessageBoxContext* messages, QWidget* dialogParent)
    : m_messages(messages), m_dialogParent(dialogParent)
{ }

void ProfilesFileExchange::warn(const char* text) const
{
    m_messages->showWarning(translated(text));
}

bool ProfilesFileExchange::exportDataToFile()
{
    bool ok = false;
    const QList<NamedDryingSettings> sets = DryerDB::allSettings(&ok);
    if (!ok) {
        warn(QT_TRANSLATE_NOOP("CTabDryingSettings",
                               "There was an error while reading settings from database!"));
        return false;
    }
    const QByteArray text =
        QJsonDocument(ProfilesJsonWriter::writeProfilesJson(sets)).toJson(QJsonDocument::Indented);

    const QString path = VornFileDialog(settingsKey, m_dialogParent)
                             .getSavePath(VornFileDialog::nameFilter(VornFileDialog::JsonFile));
    if (path.isEmpty())
        return false;

    // Written beside the target and renamed over it only when complete, so a
    // failed write (full disk, lost share) says so and keeps an older file whole.
    CheckedSaveFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
    if (!file.commitComplete()) {
        warn(QT_TRANSLATE_NOOP("CTabDryingSettings", "Error while saving profiles file!"));
        return false;
    }
    return true;
}

bool ProfilesFileExchange::importDataFromFile()
{
    const QString path = VornFileDialog(settingsKey, m_dialogParent)
                             .getOpenPath(VornFileDialog::nameFilter(VornFileDialog::JsonFile));
    if (path.isEmpty())
        return false;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        warn(QT_TRANSLATE_NOOP("CTabDryingSettings", "Cannot open the file!"));
        return false;
    }
    const QByteArray content = file.read(kMaxFileSize + 1);
    file.close();

    const QJsonDocument document =
        content.size() > kMaxFileSize ? QJsonDocument() : QJsonDocument::fromJson(content);
    if (document.isNull()) {
        warn(QT_TRANSLATE_NOOP("CTabDryingSettings", "Cannot parse json!"));
        return false;
    }

    const QJsonObject root = document.object();
    ProfilesImport import;
    import.setRoot(&root);
    switch (import.readProfilesJson()) {
    case ProfilesImport::NoSettingsMember:
        warn(QT_TRANSLATE_NOOP("CTabDryingSettings", "Could not find settings Json object!"));
        return false;
    case ProfilesImport::SettingsNotAnObject:
        warn(QT_TRANSLATE_NOOP("CTabDryingSettings", "Settings Json value is not an object!"));
        return false;
    case ProfilesImport::NoneParsed:
        warn(QT_TRANSLATE_NOOP("CTabDryingSettings", "Could not parse any setting!"));
        return false;
    case ProfilesImport::NoRoot:
        warn(QT_TRANSLATE_NOOP("CTabDryingSettings", "Internal program import error!"));
        return false;
    case ProfilesImport::SomeFailed: {
        // Names come from the file: escaped, so they show as written.
        QString items;
        const QList<QPair<QString, int>> failed = import.failed();
        for (const auto& entry : failed)
            items += htmlLi(htmlTt(entry.first.toHtmlEscaped()));
        m_messages->showWarning(
            translated(QT_TRANSLATE_NOOP("CTabDryingSettings", "Not all settings were parsed!"))
            + htmlBreaks(2)
            + translated(
                QT_TRANSLATE_NOOP("CTabDryingSettings", "Settings that could not be parsed:"))
            + htmlUl(items));
        break;
    }
    default: break;
    }

    if (!DryerDB::importSettings(import.parsed()))
        warn(QT_TRANSLATE_NOOP("CTabDryingSettings", "Failed to update db!"));
    return true;
}
