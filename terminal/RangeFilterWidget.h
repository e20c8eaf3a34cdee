#pragma once

#include "terminal/AbstractNumericFilterWidget.h"

#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QSpinBox>

namespace Common {
namespace Filters {

// The value of each kind of bound editor.
inline double editorValue(const QDoubleSpinBox* editor) { return editor->value(); }
inline void setEditorValue(QDoubleSpinBox* editor, double value) { editor->setValue(value); }
inline int editorValue(const QSpinBox* editor) { return editor->value(); }
inline void setEditorValue(QSpinBox* editor, int value) { editor->setValue(value); }
inline QDate editorValue(const QDateTimeEdit* editor) { return editor->date(); }
inline void setEditorValue(QDateTimeEdit* editor, const QDate& value) { editor->setDate(value); }
inline QTime editorValue(const QTimeEdit* editor) { return editor->time(); }
inline void setEditorValue(QTimeEdit* editor, const QTime& value) { editor->setTime(value); }

// A from and a to editor of one kind, clamped against each other, and the
// predicate over their two values.
template <class Editor, class Filter>
class RangeFilterWidget : public AbstractNumericFilterWidget
{
public:
    IFilter* createFilter() const override
    {
        return makeFilter<Filter>(editorValue(m_from), editorValue(m_to));
    }
    Editor* fromEditor() const { return m_from; }
    Editor* toEditor() const { return m_to; }

protected:
    RangeFilterWidget(NFiltersTrProvider* provider, bool forDateOrTime, QWidget* parent)
        : AbstractNumericFilterWidget(provider, forDateOrTime, parent), m_from(new Editor),
          m_to(new Editor)
    { }

    void clampFrom() override
    {
        if (editorValue(m_from) > editorValue(m_to))
            setEditorValue(m_from, editorValue(m_to));
    }
    void clampTo() override
    {
        if (editorValue(m_from) > editorValue(m_to))
            setEditorValue(m_to, editorValue(m_from));
    }

    Editor* m_from;
    Editor* m_to;
};

} // namespace Filters
} // namespace Common
