#pragma once

#include "terminal/AbstractFilterWidget.h"

namespace Common {
namespace Filters {

class NFiltersTrProvider;

// "Yes" or "No"; makes a BoolFilter.
class BoolFilterWidget : public AbstractFilterWidget
{
    Q_OBJECT

public:
    explicit BoolFilterWidget(NFiltersTrProvider* provider, QWidget* parent = nullptr);

    IFilter* createFilter() const override;
};

} // namespace Filters
} // namespace Common
