#pragma once

#include "ui/NVornAbstractComboBoxItem.h"

namespace Common {
namespace VornModel {

// The list choice of the property table.
class NVornListItem : public NVornAbstractComboBoxItem
{
public:
    using NVornAbstractComboBoxItem::NVornAbstractComboBoxItem;
};

} // namespace VornModel
} // namespace Common
