#pragma once

#include <QLocale>
#include <QString>

// The interface language: "english" or "polish", kept under the settings key
// "Translation" and loaded from the catalogue ":/i18n/<name>.qm".

// Chooses the language at start (settings, then "InstallLang.txt" in
// installDir, then the system locale), stores it and installs its catalogue.
// Returns the chosen name. Call once, before any widget exists.
QString selectStartupLanguage(const QString& installDir);
// The same with the executable's own folder.
QString selectStartupLanguage();
// Stores the name of the language ("polish" for Polish, "english" for any
// other) under "Translation", installs its catalogue and returns the name.
QString installStartupTranslator(QLocale::Language language);

// Switches to the language stored under "Translation" (the caller has just
// written it). Translators are only added: the newest one wins, and Qt sends
// QEvent::LanguageChange to every widget.
void reloadTranslation();
