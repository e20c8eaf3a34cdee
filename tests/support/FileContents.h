#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Whole-file reads and writes for tests ("<unreadable>" when it cannot read).
QByteArray fileContents(const QString& path);
bool writeFileContents(const QString& path, const QByteArray& data);
// The names of the files in a folder, hidden ones included, sorted.
QStringList filesIn(const QString& folder);
