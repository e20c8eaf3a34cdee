#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and writes for tests ("<unreadable>" when it cannot read).
QByteArray fileContents(const QString& path);
bool writeFileContents(const QString& path, const QByteArray& data);
