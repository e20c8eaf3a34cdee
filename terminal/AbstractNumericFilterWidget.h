#pragma once

#include "terminal/AbstractFilterWidget.h"

namespace Common {
namespace Filters {

class NFiltersTrProvider;

// A row with a from and a to editor. "Between" (mode 0) shows both and keeps
// from <= to; the other modes compare with the from value alone.
class AbstractNumericFilterWidget : public AbstractFilterWidget
{
    Q_OBJECT

public:
    // The modes are labelled for numbers, or for dates and times.
    AbstractNumericFilterWidget(NFiltersTrProvider* provider, bool forDateOrTime,
                                QWidget* parent = nullptr);

    int mode() const;
    void setSecondEditor(QWidget* editor) { m_secondEditor = editor; }

public slots:
    void valueChangedL();
    void valueChangedR();

protected:
    void onModeChanged() override;
    // Each raises or lowers one bound when from > to.
    virtual void clampFrom() = 0;
    virtual void clampTo() = 0;

    // Adds both editors and connects their change signal.
    template <class Editor, class Signal>
    void addEditors(Editor* from, Editor* to, Signal changeSignal)
    {
        addValueWidget(from);
        addValueWidget(to);
        setSecondEditor(to);
        connect(from, changeSignal, this, &AbstractNumericFilterWidget::valueChangedL);
        connect(to, changeSignal, this, &AbstractNumericFilterWidget::valueChangedR);
    }

    // The predicate of the current mode over the two bounds.
    template <class Filter, class Value>
    IFilter* makeFilter(const Value& from, const Value& to) const
    {
        auto* filter = new Filter;
        filter->setMode(mode());
        filter->setFrom(from);
        filter->setTo(to);
        return filter;
    }

private:
    QWidget* m_secondEditor = nullptr;
};

} // namespace Filters
} // namespace Common
