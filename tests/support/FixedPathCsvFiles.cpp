#include "tests/support/FixedPathCsvFiles.h"

#include "drying/CSVLoader.h"
#include "drying/CSVSaver2.h"
#include "ui/IFilePathGetter.h"
#include "ui/ReadFileWrapper.h"
#include "ui/WriteFileWrapper.h"

namespace {

struct FixedPath : Common::IFilePathGetter
{
    explicit FixedPath(const QString& path) : path(path) { }
    QString getPath() override { return path; }
    QString path;
};

} // namespace

std::shared_ptr<Common::CSV::CSVSaver2> FixedPathCsvFiles::create(const QString&)
{
    return std::make_shared<Common::CSV::CSVSaver2>(std::make_shared<Common::WriteFileWrapper>(),
                                                    std::make_shared<FixedPath>(m_path));
}

std::shared_ptr<Common::CSV::CSVLoader>
FixedPathCsvFiles::create(Common::CSV::ICSVLineHandler* handler, const QString&, bool readMetaData)
{
    return std::make_shared<Common::CSV::CSVLoader>(std::make_shared<Common::ReadFileWrapper>(),
                                                    std::make_shared<FixedPath>(m_path), handler,
                                                    readMetaData);
}
