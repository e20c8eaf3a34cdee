#pragma once

#include "terminal/AbstractFilterWidget.h"

class QComboBox;

namespace Common {
namespace Filters {

class NFiltersTrProvider;

// "Equal" or "Not equal" to one of a fixed list of texts; makes an
// EnumFilter. The value texts are taken once, at construction.
class TranslationEnumFilterWidget : public AbstractFilterWidget
{
    Q_OBJECT

public:
    TranslationEnumFilterWidget(NFiltersTrProvider* provider, const TranslationListGetter& values,
                                QWidget* parent = nullptr);

    IFilter* createFilter() const override;
    QComboBox* valueCombo() const { return m_values; }

public slots:
    void onIdxChanged();

private:
    QComboBox* m_values;
};

} // namespace Filters
} // namespace Common
