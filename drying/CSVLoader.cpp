#include "drying/CSVLoader.h"

#include "drying/CSVErrorHandlerDescriptor.h"
#include "drying/CsvText.h"
#include "drying/ICSVLineHandler.h"
#include "ui/IFilePathGetter.h"
#include "ui/IFileWrapper.h"

#include <QTextStream>

namespace Common {
namespace CSV {

namespace {

// Reads one file; lives for one load.
class CsvLineReader
{
public:
    CsvLineReader(QIODevice* device, ICSVLineHandler* handler, bool readMetaData)
        : m_device(device), m_handler(handler), m_readMetaData(readMetaData)
    { }

    // False when a row was refused; reason(), line() and lineNumber() say why.
    bool read()
    {
        m_stream.setDevice(m_device);
        m_stream.setCodec("UTF-8");
        m_tooLarge = m_device->size() > CSVLoader::kMaxFileSize;
        if (m_readMetaData && !readMetaDataBlock())
            return false;
        while (!m_stream.atEnd()) {
            if (!nextLine())
                return false;
            if (m_line.startsWith(QLatin1Char('#'))) {
                m_headerSeen = true;
                continue;
            }
            // Rows with neither a metadata block nor a header above them are
            // not a file of ours; reading on would treat them as data silently.
            if (m_readMetaData && !m_line.isEmpty() && m_metaData.isEmpty() && !m_headerSeen)
                return refuse(CSVErrorHandlerDescriptor::noContextNorHeader());
            if (!m_handler->handle(splitRow(m_line))) {
                m_reason = m_handler->errorText();
                return false;
            }
        }
        if (m_readMetaData && m_metaData.isEmpty() && !m_headerSeen)
            return refuse(CSVErrorHandlerDescriptor::noContextNorHeader());
        return true;
    }

    QMap<QString, QString> metaData() const { return m_metaData; }
    QString reason() const { return m_reason; }
    QString line() const { return m_line; }
    int lineNumber() const { return m_counter; }

private:
    bool readMetaDataBlock()
    {
        while (!m_stream.atEnd()) {
            if (!nextLine())
                return false;
            if (m_line.startsWith(QLatin1Char('#'))) {
                m_headerSeen = true;
                return true;
            }
            const int at = m_line.indexOf(fieldSeparator);
            if (at < 0)
                return true; // an empty or other line ends the block
            if (m_counter > CSVLoader::kMaxContextLines)
                return refuse(CSVErrorHandlerDescriptor::contextTooLong(CSVLoader::kMaxContextLines));
            const QString rawValue = m_line.mid(at + fieldSeparator.size());
            // A written value never holds a TAB (it is escaped), so this is a
            // data row: taking it as metadata would lose it and every row after.
            if (rawValue.contains(fieldSeparator)) {
                return refuse(m_metaData.isEmpty() ? CSVErrorHandlerDescriptor::noContextNorHeader()
                                                   : CSVErrorHandlerDescriptor::dataBeforeHeader());
            }
            m_metaData.insert(m_line.left(at).trimmed(), unescapeValue(rawValue));
        }
        // Our files end the block with an empty line or the header. Rows of a
        // time and a mass alone look like pairs: taken as the block, they would
        // load nothing and wipe the user's context.
        return refuse(m_metaData.isEmpty() ? CSVErrorHandlerDescriptor::noContextNorHeader()
                                           : CSVErrorHandlerDescriptor::endsWithoutHeader());
    }

    // False, with the line refused, when it or the file is beyond what a run
    // file holds.
    bool nextLine()
    {
        ++m_counter;
        // readLineInto() drops "\n" and "\r\n" alike, so CR LF files read the
        // same. It stops one character past the limit, whatever the line's
        // length, and reuses the line's memory instead of a new string a line.
        m_stream.readLineInto(&m_line, CSVLoader::kMaxLineLength + 1);
        if (m_line.size() > CSVLoader::kMaxLineLength)
            return refuse(CSVErrorHandlerDescriptor::lineTooLong(CSVLoader::kMaxLineLength));
        // Counted as well as asked of the device: one that is no plain file
        // may not know its size.
        m_read += m_line.size() + 1;
        if (m_tooLarge || m_read > CSVLoader::kMaxFileSize)
            return refuse(CSVErrorHandlerDescriptor::fileTooLarge(CSVLoader::kMaxFileSize));
        return true;
    }

    bool refuse(const QString& reason)
    {
        m_reason = reason;
        m_counter = qMax(m_counter, 1);
        return false;
    }

    QIODevice* m_device;
    ICSVLineHandler* m_handler;
    QMap<QString, QString> m_metaData;
    bool m_readMetaData;
    QTextStream m_stream;
    int m_counter = 0;
    bool m_tooLarge = false;
    qint64 m_read = 0; // characters with line ends
    QString m_line;
    QString m_reason;
    bool m_headerSeen = false;
};

} // namespace

CSVLoader::CSVLoader(std::shared_ptr<IFileWrapper> file,
                     std::shared_ptr<IFilePathGetter> pathGetter, ICSVLineHandler* handler,
                     bool readMetaData)
    : m_file(std::move(file)), m_pathGetter(std::move(pathGetter)), m_handler(handler),
      m_readMetaData(readMetaData)
{ }

bool CSVLoader::load()
{
    m_status = Ok;
    m_errorReason.clear();
    m_errorLine.clear();
    m_errorLineNumber = 0;
    m_metaData.clear();

    const QString path = m_pathGetter->getPath();
    if (path.isEmpty())
        return false;

    CsvLineReader reader(m_file->device(), m_handler, m_readMetaData);
    if (!m_file->open(path)) {
        m_status = OpenFailed;
        return false;
    }
    const bool read = reader.read();
    // Closed however the load ends: a refused file is not held while its
    // error is shown, nor for as long as the loader lives.
    m_file->close();
    if (!read) {
        m_status = RowRefused;
        m_errorReason = reader.reason();
        m_errorLine = CSVErrorHandlerDescriptor::excerpt(reader.line());
        m_errorLineNumber = reader.lineNumber();
        return false;
    }
    m_metaData = reader.metaData();
    return true;
}

LoadErrorInfo CSVLoader::errorInfo() const
{
    LoadErrorInfo info;
    info.code = m_status;
    if (m_status == RowRefused) {
        info.reason = m_errorReason;
        info.lineText = m_errorLine;
        info.lineNumber = m_errorLineNumber;
    }
    return info;
}

} // namespace CSV
} // namespace Common
