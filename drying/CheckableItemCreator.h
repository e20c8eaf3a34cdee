#pragma once

#include <QVector>

#include "drying/IItemCreator.h"

class QWidget;

namespace Common {
namespace Widgets {

// Rows of check boxes, a label and a value editor. Editor kinds: 0 text
// line, 1 time, 2 date, 4 line without a typed value, anything else none.
class CheckableItemCreator : public IItemCreator
{
public:
    explicit CheckableItemCreator(int checkColumns);

    Item* create(int editorKind) override;
    int labelColumn() const override;
    int valueColumn() const override;

    void setCheckable(int column, bool checkable);
    void setAllCheckable(bool checkable);
    void setValueEnabled(bool enabled) { m_valueEnabled = enabled; }
    bool valueEnabled() const { return m_valueEnabled; }

private:
    static QWidget* createEditor(int editorKind);

    QVector<bool> m_checkable;
    bool m_valueEnabled = true;
};

} // namespace Widgets
} // namespace Common
