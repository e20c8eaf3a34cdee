#pragma once

#include "drying/ILoaderCreator.h"
#include "drying/ISaverCreator.h"

#include <QByteArray>

// Run files saved to and loaded from one block of memory, without a file
// dialog or the disk: the fuzz target goes through the whole loader and saver
// many thousand times a second.
class MemoryCsvFiles : public Common::CSV::ISaverCreator, public Common::CSV::ILoaderCreator
{
public:
    explicit MemoryCsvFiles(const QByteArray& bytes = QByteArray()) : m_bytes(bytes) { }

    // What was last saved, or what is to be loaded.
    const QByteArray& bytes() const { return m_bytes; }

    std::shared_ptr<Common::CSV::CSVSaver2> create(const QString& context) override;
    std::shared_ptr<Common::CSV::CSVLoader> create(Common::CSV::ICSVLineHandler* handler,
                                                   const QString& context,
                                                   bool readMetaData) override;

private:
    QByteArray m_bytes;
};
