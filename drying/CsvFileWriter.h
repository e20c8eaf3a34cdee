#pragma once

#include <QFile>
#include <QStringList>
#include <QTextStream>

// Plain row writer for exports that have no metadata (the communication log).
class CsvFileWriter
{
public:
    CsvFileWriter();

    // Opens the file empty (UTF-8, text mode); false when it cannot.
    bool open(const QString& path);
    void setSeparator(const QString& separator) { m_separator = separator; }
    // Each field followed by the separator, then the line end; false once a
    // write failed.
    bool writeRow(const QStringList& fields);
    // False when some text could not be written.
    bool close();

private:
    QString m_lineEnd;
    QFile m_file;
    QTextStream m_stream;
    QString m_separator;
};
