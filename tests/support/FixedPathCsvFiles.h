#pragma once

#include "drying/ILoaderCreator.h"
#include "drying/ISaverCreator.h"

#include <QString>

// Run files saved to and loaded from one path, without a file dialog: its
// cost and its questions are the widget's, not the file's.
class FixedPathCsvFiles : public Common::CSV::ISaverCreator, public Common::CSV::ILoaderCreator
{
public:
    explicit FixedPathCsvFiles(const QString& path) : m_path(path) { }

    std::shared_ptr<Common::CSV::CSVSaver2> create(const QString& context) override;
    std::shared_ptr<Common::CSV::CSVLoader> create(Common::CSV::ICSVLineHandler* handler,
                                                   const QString& context,
                                                   bool readMetaData) override;

private:
    QString m_path;
};
