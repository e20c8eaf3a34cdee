#include "tests/support/MemoryCsvFiles.h"

#include "drying/CSVLoader.h"
#include "drying/CSVSaver2.h"
#include "ui/IFilePathGetter.h"
#include "ui/IFileWrapper.h"

#include <QBuffer>

namespace {

struct AnyPath : Common::IFilePathGetter
{
    QString getPath() override { return QStringLiteral("memory"); }
};

// A file of the bytes: opened for reading as they are, for writing emptied.
struct MemoryFile : Common::IFileWrapper
{
    MemoryFile(QByteArray* bytes, QIODevice::OpenMode mode) : mode(mode) { buffer.setBuffer(bytes); }
    bool open(const QString&) override { return buffer.open(mode | QIODevice::Text); }
    bool close() override
    {
        buffer.close();
        return true;
    }
    QIODevice* device() override { return &buffer; }

    QBuffer buffer;
    QIODevice::OpenMode mode;
};

} // namespace

std::shared_ptr<Common::CSV::CSVSaver2> MemoryCsvFiles::create(const QString&)
{
    return std::make_shared<Common::CSV::CSVSaver2>(
        std::make_shared<MemoryFile>(&m_bytes, QIODevice::WriteOnly | QIODevice::Truncate),
        std::make_shared<AnyPath>());
}

std::shared_ptr<Common::CSV::CSVLoader>
MemoryCsvFiles::create(Common::CSV::ICSVLineHandler* handler, const QString&, bool readMetaData)
{
    return std::make_shared<Common::CSV::CSVLoader>(
        std::make_shared<MemoryFile>(&m_bytes, QIODevice::ReadOnly), std::make_shared<AnyPath>(),
        handler, readMetaData);
}
