#include "ui/TextFileWriter.h"

bool TextFileWriter::open(const QString& path)
{
    m_file.setFileName(path);
    m_stream.setDevice(&m_file);
    m_stream.setCodec("UTF-8");
    return m_file.open(QIODevice::WriteOnly);
}

void TextFileWriter::write(const QString& text) { m_stream << text; }

void TextFileWriter::writeLine(const QString& text) { m_stream << text << '\n'; }

bool TextFileWriter::close() { return closeWrittenTextFile(m_stream, m_file); }

bool closeWrittenTextFile(QTextStream& stream, CheckedSaveFile& file)
{
    if (!file.isOpen())
        return true;
    stream.flush();
    if (stream.status() != QTextStream::Ok) {
        file.discard();
        return false;
    }
    return file.commitComplete();
}
