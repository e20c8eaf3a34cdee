#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

namespace S19Fixtures {

// A valid S1 record (no line ending) of the given data at the given address.
QByteArray record(quint16 address, const QByteArray& data);
// Records with distinct data, joined by the line ending; the last one gets
// it only when lastEnded is set.
QByteArrayList records(int count);
QByteArray join(const QByteArrayList& records, const QByteArray& end, bool lastEnded = true);

// Writes (replaces) a file; false when that fails.
bool writeFile(const QString& path, const QByteArray& content);

} // namespace S19Fixtures
