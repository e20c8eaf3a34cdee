#include "ui/TextFileWriter.h"

TextFileWriter::~TextFileWriter() { close(); }

bool TextFileWriter::open(const QString& path, QIODevice::OpenMode extraMode)
{
    m_file.setFileName(path);
    m_stream.setDevice(&m_file);
    m_stream.setCodec("UTF-8");
    if (!m_file.open(QIODevice::ReadWrite | extraMode))
        return false;
    // Old bytes past the new text would otherwise stay in the file.
    if (!m_file.resize(0)) {
        m_file.close();
        return false;
    }
    return true;
}

void TextFileWriter::write(const QString& text) { m_stream << text; }

void TextFileWriter::writeLine(const QString& text) { m_stream << text << '\n'; }

bool TextFileWriter::close() { return closeWrittenTextFile(m_stream, m_file); }

bool closeWrittenTextFile(QTextStream& stream, QFile& file)
{
    if (!file.isOpen())
        return true;
    stream.flush();
    const bool written =
        stream.status() == QTextStream::Ok && file.flush() && file.error() == QFileDevice::NoError;
    file.close();
    return written;
}
