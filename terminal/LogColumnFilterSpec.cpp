#include "terminal/LogColumnFilterSpec.h"

namespace {

LogColumnFilterSpec ofKind(qint32 kind)
{
    LogColumnFilterSpec spec;
    spec.kind = kind;
    return spec;
}

} // namespace

LogColumnFilterSpec LogColumnFilterSpec::integerNumber() { return ofKind(Number); }

LogColumnFilterSpec LogColumnFilterSpec::integerNumber(qint64 min, qint64 max)
{
    LogColumnFilterSpec spec = ofKind(Number);
    spec.intMin = min;
    spec.intMax = max;
    return spec;
}

LogColumnFilterSpec LogColumnFilterSpec::floatingNumber()
{
    LogColumnFilterSpec spec = ofKind(Number);
    spec.floating = 1;
    return spec;
}

LogColumnFilterSpec LogColumnFilterSpec::floatingNumber(double min, double max)
{
    LogColumnFilterSpec spec = floatingNumber();
    spec.doubleMin = min;
    spec.doubleMax = max;
    return spec;
}

LogColumnFilterSpec LogColumnFilterSpec::text() { return ofKind(Text); }

LogColumnFilterSpec LogColumnFilterSpec::yesNo() { return ofKind(YesNo); }

LogColumnFilterSpec LogColumnFilterSpec::date(const QString& displayFormat)
{
    LogColumnFilterSpec spec = ofKind(Date);
    spec.dateFormat = displayFormat;
    return spec;
}

LogColumnFilterSpec LogColumnFilterSpec::time(const QString& displayFormat)
{
    LogColumnFilterSpec spec = ofKind(Time);
    spec.timeFormat = displayFormat;
    return spec;
}

LogColumnFilterSpec LogColumnFilterSpec::enumeration(const TranslationListGetter& entries)
{
    LogColumnFilterSpec spec = ofKind(Enumeration);
    spec.entries = entries;
    return spec;
}
