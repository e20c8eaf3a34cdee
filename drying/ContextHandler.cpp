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

} // namespace

// A value's handler is made on the stack where it is used: a run file sets
// each value once, and making every handler for each load and save cost more
// than reading the values.
ContextHandler::ContextHandler(Context* context) : m_context(context) { }

void ContextHandler::setVariant(int id, const QVariant& value)
{
    if (QString* text = textField(m_context, id)) {
        VariantStringHandler(text).set(value);
        return;
    }
    switch (id) {
    case Date: VariantDateHandler(&m_context->date).set(value); break;
    case Time: VariantTimeHandler(&m_context->time).set(value); break;
    case SamplesCount: VariantUIntHandler(&m_context->samples).set(value); break;
    case InitialMass: VariantDoubleHandler(&m_context->initialMass).set(value); break;
    case FinalMass: VariantDoubleHandler(&m_context->finalMass).set(value); break;
    case Formula:
        KD::DataHandlers::VariantCalcFormulaHandler(&m_context->formula).set(value);
        break;
    case StartTime: VariantDateTimeHandler(&m_context->start).set(value); break;
    case EndTime: VariantDateTimeHandler(&m_context->end).set(value); break;
    default: break;
    }
}

void ContextHandler::setString(int id, const QString& text)
{
    if (QString* field = textField(m_context, id)) {
        StringStringHandler(field).set(text);
        return;
    }
    switch (id) {
    case Date: StringDateHandler(&m_context->date, dateFormat).set(text); break;
    case Time: StringTimeHandler(&m_context->time, timeFormat).set(text); break;
    case SamplesCount: StringUIntHandler(&m_context->samples).set(text); break;
    case InitialMass: StringDoubleHandler(&m_context->initialMass).set(text); break;
    case FinalMass: StringDoubleHandler(&m_context->finalMass).set(text); break;
    case Formula: KD::DataHandlers::StringCalcFormulaHandler(&m_context->formula).set(text); break;
    case StartTime: StringDateTimeHandler(&m_context->start, dateTimeFormat).set(text); break;
    case EndTime: StringDateTimeHandler(&m_context->end, dateTimeFormat).set(text); break;
    default: break;
    }
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
