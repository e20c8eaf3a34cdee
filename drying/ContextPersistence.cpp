#include "drying/ContextPersistence.h"

#include <QDateTime>

#include "drying/CheckLoader.h"
#include "drying/CheckSaver.h"
#include "drying/ContextValue.h"
#include "drying/ICheckedValuesHandler.h"
#include "drying/IDefaultValuesGetter.h"
#include "drying/IRunContextHandler.h"
#include "drying/IRunContextInfo.h"
#include "drying/ValuesLoader.h"
#include "drying/ValuesSaver.h"
#include "drying/VariantStringComboHandler.h"

namespace Common {
namespace RunContext {

void ContextPersistence::load(ICheckedValuesHandler& checked, IRunContextHandler& context,
                              const IRunContextInfo& info, const IDefaultValuesGetter* defaults)
{
    CheckLoader checkLoader(info);
    QSet<int> loaded = checkLoader.load();
    if (!checkLoader.groupExisted())
        loaded.unite(info.defaultChecked());
    checked.setCheckedAll(loaded);

    ValuesLoader valuesLoader(info);
    const QMap<int, QString> texts = valuesLoader.load();
    const QSet<int> stored = info.storedValueIds();
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        if (stored.contains(it.key()))
            context.setString(it.key(), it.value());
    }

    // Date and time are never stored: a fresh start shows the start-up moment.
    const QDateTime now = QDateTime::currentDateTime();
    if (!context.toVariant(info.dateId()).toDate().isValid())
        context.setVariant(info.dateId(), now.date());
    if (!context.toVariant(info.timeId()).toTime().isValid())
        context.setVariant(info.timeId(), now.time());

    if (!valuesLoader.groupExisted() && defaults) {
        const QMap<int, QString> all = defaults->defaults();
        for (auto it = all.cbegin(); it != all.cend(); ++it)
            context.setString(it.key(), it.value());
    }
}

void ContextPersistence::save(const ICheckedValuesHandler& checked,
                              const IRunContextHandler& context, const IRunContextInfo& info)
{
    using KD::Drying::RunContext::dateFormat;
    using KD::Drying::RunContext::dateTimeFormat;
    using KD::Drying::RunContext::timeFormat;

    QMap<int, QString> texts;
    DataHandlers::VariantStringComboHandler toText(timeFormat, dateFormat, dateTimeFormat);
    for (int id : info.storedValueIds()) {
        QString& text = texts[id];
        toText.setTarget(&text);
        toText.set(context.toVariant(id));
    }
    ValuesSaver(info, texts).run();
    const QSet<int> checkedIds = checked.checkedAll();
    CheckSaver(info, checkedIds).run();
}

} // namespace RunContext
} // namespace Common
