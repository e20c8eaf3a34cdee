#pragma once

#include <QFile>
#include <QTextStream>

// Writes UTF-8 text with "\n" line ends, as given (no CR added unless the file
// is opened in text mode, where Windows writes "\n" as CR LF).
class TextFileWriter
{
public:
    ~TextFileWriter();

    // Opens the file empty; false when it cannot be opened or emptied.
    bool open(const QString& path, QIODevice::OpenMode extraMode = QIODevice::NotOpen);
    void write(const QString& text);
    void writeLine(const QString& text);
    // False when some text could not be written.
    bool close();

private:
    QFile m_file;
    QTextStream m_stream;
};

// Flushes the stream and the file, then closes it; false when any text did not
// reach the file (a full disk shows only at the flush). A closed file is true.
bool closeWrittenTextFile(QTextStream& stream, QFile& file);
