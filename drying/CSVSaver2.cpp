#include "drying/CSVSaver2.h"

#include "drying/CsvText.h"
#include "drying/ILineIterator.h"
#include "ui/IFilePathGetter.h"
#include "ui/IFileWrapper.h"

#include <QTextStream>

namespace Common {
namespace CSV {

namespace {

// Writes the lines of one save. Rows gather in a piece of text that goes to
// the stream whole: the stream's cost per call would dominate otherwise.
class CsvTextWriter
{
public:
    CsvTextWriter() { m_pending.reserve(pieceSize + 1024); }

    void setDevice(QIODevice* device)
    {
        m_stream.setDevice(device);
        m_stream.setCodec("UTF-8");
    }

    bool writeMetaData(const MetaDataPairs& pairs)
    {
        for (const auto& pair : pairs)
            m_pending.append(pair.first)
                .append(fieldSeparator)
                .append(escapeValue(pair.second))
                .append(m_lineEnd);
        return push();
    }

    bool writeRow(const QStringList& fields, const QString& prefix = QString())
    {
        appendRow(m_pending, fields, m_separator, prefix);
        return m_pending.size() < pieceSize || push();
    }

    void writeEmptyLine() { m_pending += m_lineEnd; }

    // Pushes all text to the device; false when any write failed.
    bool flush()
    {
        const bool pushed = push();
        m_stream.flush();
        return pushed && ok();
    }

private:
    static constexpr int pieceSize = 32 * 1024;

    // The stream shares the piece while it converts it (no copy), and lets go
    // of it once written, so the piece's memory serves the next one.
    bool push()
    {
        m_stream << m_pending;
        m_pending.resize(0);
        return ok();
    }
    bool ok() const { return m_stream.status() == QTextStream::Ok; }

    QString m_lineEnd = lineEnd;
    QTextStream m_stream;
    QString m_separator = fieldSeparator;
    QString m_pending;
};

} // namespace

CSVSaver2::CSVSaver2(std::shared_ptr<IFileWrapper> file,
                     std::shared_ptr<IFilePathGetter> pathGetter)
    : m_file(std::move(file)), m_pathGetter(std::move(pathGetter))
{ }

bool CSVSaver2::save()
{
    m_status = Ok;
    if (!m_iterator) {
        m_status = NoIterator;
        return false;
    }
    const QString path = m_pathGetter->getPath();
    if (path.isEmpty())
        return false;

    CsvTextWriter writer;
    writer.setDevice(m_file->device());
    if (!m_file->open(path)) {
        m_status = OpenFailed;
        return false;
    }
    bool written = true;
    if (!m_metaData.isEmpty()) {
        written = writer.writeMetaData(m_metaData);
        if (written) {
            writer.writeEmptyLine();
            writer.writeEmptyLine();
        }
    }
    if (written && !m_header.isEmpty())
        written = writer.writeRow(m_header, QStringLiteral("#"));
    while (written && m_iterator->hasNext())
        written = writer.writeRow(m_iterator->next());
    // Buffered text may fail only now (a full disk): flush and close are
    // checked before the save counts as done.
    written = writer.flush() && written;
    written = m_file->close() && written;
    if (!written) {
        m_status = WriteFailed;
        return false;
    }
    return true;
}

} // namespace CSV
} // namespace Common
