#include "terminal/NFiltersTrProvider.h"

#include "terminal/FilterModeTexts.h"

namespace Common {
namespace Filters {

NFiltersTrProvider::NFiltersTrProvider(QObject* parent) : QObject(parent) { }

QString NFiltersTrProvider::text(int id) const
{
    switch (id) {
    case TextInOut: return tr("IN/OUT");
    case TextIn: return tr("IN");
    case TextOut: return tr("OUT");
    case TextStartsWith: return tr("Starts with");
    case TextEndsWith: return tr("Ends with");
    case TextContains: return tr("Contains");
    case TextBetween: return tr("Between");
    case TextLaterThan: return tr("Later than");
    case TextEarlierThan: return tr("Earlier than");
    case TextEqual: return tr("Equal");
    case TextNotEqual: return tr("Not equal");
    case TextGreaterThan: return tr("Greater than");
    case TextLowerThan: return tr("Lower than");
    case TextYes: return tr("Yes");
    case TextNo: return tr("No");
    default: return QString();
    }
}

} // namespace Filters
} // namespace Common
