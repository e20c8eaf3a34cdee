#pragma once

#include <QTemporaryDir>

// Points the default QSettings store (organisation "Brenko", application
// "Brenko Sorvana") at an empty temporary folder for the lifetime of the
// object, so tests never read or write the user's real settings.
class ScopedTestSettings
{
public:
    ScopedTestSettings();
    ~ScopedTestSettings();

    // Forgets everything stored so far.
    void clear();
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};
