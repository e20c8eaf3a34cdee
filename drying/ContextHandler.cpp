#include "drying/ContextHandler.h"

#include "drying/ContextValue.h"
#include "drying/StringCalcFormulaHandler.h"
#include "drying/StringDoubleHandler.h"
#include "drying/StringFormatHandler.h"
#include "drying/StringStringHandler.h"
#include "drying/StringUIntHandler.h"
#include "drying/VariantCalcFormulaHandler.h"
#include "drying/VariantTemplatedHandler.h"
#include "settings/CalcFormula.h"

namespace KD {
namespace Drying {
namespace RunContext {

using namespace Common::DataHandlers;

namespace {

QString* textField(Context* context, int id)
{
    switch (id) {
    case Author: return &context->author;
    case Title: return &context->title;
    case Introduction: return &context->introduction;
    case Summary: return &context->summary;
    case Header: return &context->header;
    case Footer: return &context->footer;
    case Product: return &context->product;
    default: return nullptr;
    }
}

QString massText(double mass) { return QString::number(mass, 'g', 6); }

bool isKnownId(int id) { return id >= Author && id <= EndTime; }

} // namespace

ContextHandler::ContextHandler(Context* context) : m_context(context)
{
    for (int id = Author; id <= Product; ++id) {
        m_stringHandlers[id] = std::make_unique<StringStringHandler>(textField(context, id));
        m_variantHandlers[id] = std::make_unique<VariantStringHandler>(textField(context, id));
    }
    m_stringHandlers[Date] = std::make_unique<StringDateHandler>(&context->date, dateFormat);
    m_variantHandlers[Date] = std::make_unique<VariantDateHandler>(&context->date);
    m_stringHandlers[Time] = std::make_unique<StringTimeHandler>(&context->time, timeFormat);
    m_variantHandlers[Time] = std::make_unique<VariantTimeHandler>(&context->time);
    m_stringHandlers[SamplesCount] = std::make_unique<StringUIntHandler>(&context->samples);
    m_variantHandlers[SamplesCount] = std::make_unique<VariantUIntHandler>(&context->samples);
    m_stringHandlers[InitialMass] = std::make_unique<StringDoubleHandler>(&context->initialMass);
    m_variantHandlers[InitialMass] = std::make_unique<VariantDoubleHandler>(&context->initialMass);
    m_stringHandlers[FinalMass] = std::make_unique<StringDoubleHandler>(&context->finalMass);
    m_variantHandlers[FinalMass] = std::make_unique<VariantDoubleHandler>(&context->finalMass);
    m_stringHandlers[Formula] =
        std::make_unique<KD::DataHandlers::StringCalcFormulaHandler>(&context->formula);
    m_variantHandlers[Formula] =
        std::make_unique<KD::DataHandlers::VariantCalcFormulaHandler>(&context->formula);
    m_stringHandlers[StartTime] =
        std::make_unique<StringDateTimeHandler>(&context->start, dateTimeFormat);
    m_variantHandlers[StartTime] = std::make_unique<VariantDateTimeHandler>(&context->start);
    m_stringHandlers[EndTime] =
        std::make_unique<StringDateTimeHandler>(&context->end, dateTimeFormat);
    m_variantHandlers[EndTime] = std::make_unique<VariantDateTimeHandler>(&context->end);
}

ContextHandler::~ContextHandler() = default;

void ContextHandler::setVariant(int id, const QVariant& value)
{
    if (isKnownId(id) && m_variantHandlers[id])
        m_variantHandlers[id]->set(value);
}

void ContextHandler::setString(int id, const QString& text)
{
    if (isKnownId(id) && m_stringHandlers[id])
        m_stringHandlers[id]->set(text);
}

QVariant ContextHandler::toVariant(int id) const
{
    if (QString* text = textField(m_context, id))
        return *text;
    switch (id) {
    case Date: return m_context->date;
    case Time: return m_context->time;
    case SamplesCount: return m_context->samples;
    case InitialMass: return m_context->initialMass;
    case FinalMass: return m_context->finalMass;
    case Formula: return CalcFormula::name(m_context->formula);
    case StartTime: return m_context->start;
    case EndTime: return m_context->end;
    default: return QVariant();
    }
}

QString ContextHandler::toString(int id) const
{
    if (QString* text = textField(m_context, id))
        return *text;
    switch (id) {
    case Date: return m_context->date.toString(dateFormat);
    case Time: return m_context->time.toString(timeFormat);
    case SamplesCount: return QString::number(m_context->samples);
    case InitialMass: return massText(m_context->initialMass);
    case FinalMass: return massText(m_context->finalMass);
    case Formula: return CalcFormula::name(m_context->formula);
    case StartTime: return m_context->start.toString(dateTimeFormat);
    case EndTime: return m_context->end.toString(dateTimeFormat);
    default: return QString();
    }
}

} // namespace RunContext
} // namespace Drying
} // namespace KD
