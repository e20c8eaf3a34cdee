#pragma once

namespace Common {

class IRunContextHandler;

namespace RunContext {

class ICheckedValuesHandler;
class IDefaultValuesGetter;
class IRunContextInfo;

// Keeps a run context's typed texts and its checked set in the settings.
class ContextPersistence
{
public:
    // Restores the checked set and the stored texts, sets a missing date and
    // time to now and, on a first start, applies the defaults (when given).
    static void load(ICheckedValuesHandler& checked, IRunContextHandler& context,
                     const IRunContextInfo& info, const IDefaultValuesGetter* defaults);
    static void save(const ICheckedValuesHandler& checked, const IRunContextHandler& context,
                     const IRunContextInfo& info);
};

} // namespace RunContext
} // namespace Common
