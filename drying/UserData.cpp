#include "drying/UserData.h"

namespace KD {
namespace Drying {

bool UserData::operator==(const UserData& other) const
{
    return author == other.author && title == other.title && introduction == other.introduction
           && summary == other.summary && header == other.header && footer == other.footer
           && product == other.product && date == other.date && time == other.time;
}

} // namespace Drying
} // namespace KD
