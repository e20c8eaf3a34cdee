#pragma once

#include "drying/ContextValue.h"
#include "drying/DefaultValProviderTemplate.h"
#include "drying/ValueIntConverter.h"

namespace KD {
namespace Drying {
namespace RunContext {

// A first start fills each typed text with its own label ("Author" in the
// author field, ...), in the language chosen when the provider is built.
class DefaultValProvider : public Common::RunContext::DefaultValProvider<
                               ContextValue, Common::RunContext::ValueIntConverter<ContextValue>>
{
public:
    DefaultValProvider();
};

} // namespace RunContext
} // namespace Drying
} // namespace KD
