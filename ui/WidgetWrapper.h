#pragma once

#include <QObject>
#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace Common {
namespace Widgets {

// Reads and writes an editor widget's value as a QVariant. The base knows no
// editor class: it writes nothing and reads an invalid value.
class WidgetWrapper : public QObject
{
    Q_OBJECT

public:
    WidgetWrapper() = default;

    void setWidget(QWidget* widget);
    QWidget* widget() const;

    virtual void setValue(const QVariant& value);
    virtual QVariant value() const;

protected:
    // The editor of the expected class, or null.
    template <typename Editor>
    Editor* editor() const
    {
        return dynamic_cast<Editor*>(m_widget.data());
    }

private:
    // Not owned: the editor lives in the row's layout.
    QPointer<QWidget> m_widget;
};

} // namespace Widgets
} // namespace Common
