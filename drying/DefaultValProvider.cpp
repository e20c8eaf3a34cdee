#include "drying/DefaultValProvider.h"

#include "drying/ContextSettingsTrProvider.h"

namespace KD {
namespace Drying {
namespace RunContext {

DefaultValProvider::DefaultValProvider()
{
    for (int id = Author; id <= Product; ++id)
        setDefault(ContextValue(id), ContextSettingsTrProvider::label(id));
}

} // namespace RunContext
} // namespace Drying
} // namespace KD
