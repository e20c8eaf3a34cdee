#pragma once

#include "drying/Context.h"
#include "drying/ICsvMetaDataHandler.h"
#include "drying/IRunContextSetter.h"

namespace KD {
namespace Drying {
namespace CSV {
namespace MetaData {

// Turns a run file's metadata into a run context record and hands it on.
class MetaDataHandler : public Common::CSV::ICsvMetaDataHandler
{
public:
    explicit MetaDataHandler(Common::IRunContextSetter<RunContext::Context>* setter);
    void handle(const QMap<QString, QString>& metaData) override;
    bool expectsMetaData() const override { return true; }

private:
    Common::IRunContextSetter<RunContext::Context>* m_setter;
};

} // namespace MetaData
} // namespace CSV
} // namespace Drying
} // namespace KD
