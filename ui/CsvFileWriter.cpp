#include "ui/CsvFileWriter.h"

#include "ui/TextFileWriter.h"

// The program's CSV line: every field ends with ";\t".
CsvFileWriter::CsvFileWriter() : m_lineEnd(QStringLiteral("\n")), m_separator(QStringLiteral(";\t"))
{ }

bool CsvFileWriter::open(const QString& path)
{
    m_file.setFileName(path);
    m_stream.setDevice(&m_file);
    m_stream.setCodec("UTF-8");
    return m_file.open(QIODevice::WriteOnly | QIODevice::Text);
}

bool CsvFileWriter::writeRow(const QStringList& fields)
{
    for (const QString& field : fields)
        m_stream << field << m_separator;
    m_stream << m_lineEnd;
    return m_stream.status() == QTextStream::Ok;
}

bool CsvFileWriter::close() { return closeWrittenTextFile(m_stream, m_file); }
