#pragma once

#include "ui/CheckedSaveFile.h"

#include <QTextStream>

// Writes UTF-8 text with "\n" line ends, as given, to a file beside the
// target that replaces it at close() only when all of the text was written:
// a failed write leaves the old file as it was and no part of the new one.
// A writer that goes without close() leaves the old file too: a save cut
// short is never put in place.
class TextFileWriter
{
public:
    // False when the file cannot be written there.
    bool open(const QString& path);
    void write(const QString& text);
    void writeLine(const QString& text);
    // False when some text could not be written; the target is then unchanged.
    bool close();

private:
    CheckedSaveFile m_file;
    QTextStream m_stream;
};

// Flushes the stream, then puts the file in its target's place when all of
// the text reached it; false (and the target unchanged) otherwise. A file
// that is not open is true.
bool closeWrittenTextFile(QTextStream& stream, CheckedSaveFile& file);
