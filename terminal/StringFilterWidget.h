#pragma once

#include "terminal/AbstractFilterWidget.h"

class QLineEdit;

namespace Common {
namespace Filters {

class NFiltersTrProvider;

// Text pattern; makes a StringFilter.
class StringFilterWidget : public AbstractFilterWidget
{
    Q_OBJECT

public:
    explicit StringFilterWidget(NFiltersTrProvider* provider, QWidget* parent = nullptr);

    IFilter* createFilter() const override;
    QLineEdit* patternEdit() const { return m_edit; }

public slots:
    void textChanged();

private:
    QLineEdit* m_edit;
};

} // namespace Filters
} // namespace Common
