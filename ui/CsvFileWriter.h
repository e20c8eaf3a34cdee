#pragma once

#include "ui/CheckedSaveFile.h"

#include <QStringList>
#include <QTextStream>

// Plain row writer for exports that have no metadata (the communication log).
// Like TextFileWriter, it replaces the target at close(), and only when every
// row was written.
class CsvFileWriter
{
public:
    CsvFileWriter();

    // UTF-8, text mode (CR LF line ends on Windows); false when the file
    // cannot be written there.
    bool open(const QString& path);
    void setSeparator(const QString& separator) { m_separator = separator; }
    // Each field followed by the separator, then the line end; false once a
    // write failed.
    bool writeRow(const QStringList& fields);
    // False when some text could not be written; the target is then unchanged.
    bool close();

private:
    QString m_lineEnd;
    CheckedSaveFile m_file;
    QTextStream m_stream;
    QString m_separator;
};
