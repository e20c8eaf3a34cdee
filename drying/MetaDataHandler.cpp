#include "drying/MetaDataHandler.h"

#include "drying/ContextHandler.h"
#include "drying/MetaDataInfo.h"
#include "drying/MetaDataReader.h"

namespace KD {
namespace Drying {
namespace CSV {
namespace MetaData {

MetaDataHandler::MetaDataHandler(Common::IRunContextSetter<RunContext::Context>* setter)
    : m_setter(setter)
{ }

void MetaDataHandler::handle(const QMap<QString, QString>& metaData)
{
    RunContext::Context context;
    RunContext::ContextHandler handler(&context);
    const Info info;
    Common::CSV::MetaData::Reader(&handler, &info).apply(metaData);
    m_setter->set(context);
}

} // namespace MetaData
} // namespace CSV
} // namespace Drying
} // namespace KD
