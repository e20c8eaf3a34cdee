#include "drying/CsvFileWriter.h"

#include "drying/CsvText.h"
#include "ui/TextFileWriter.h"

CsvFileWriter::CsvFileWriter()
    : m_lineEnd(Common::CSV::lineEnd), m_separator(Common::CSV::fieldSeparator)
{ }

bool CsvFileWriter::open(const QString& path)
{
    m_file.setFileName(path);
    m_stream.setDevice(&m_file);
    m_stream.setCodec("UTF-8");
    if (!m_file.open(QIODevice::ReadWrite | QIODevice::Text))
        return false;
    return m_file.resize(0);
}

bool CsvFileWriter::writeRow(const QStringList& fields)
{
    Common::CSV::writeRow(m_stream, fields, m_separator);
    return m_stream.status() == QTextStream::Ok;
}

bool CsvFileWriter::close() { return closeWrittenTextFile(m_stream, m_file); }
