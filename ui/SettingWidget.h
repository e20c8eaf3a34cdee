#pragma once

#include <QPointer>
#include <QVariant>
#include <QWidget>

class QHBoxLayout;
class QToolButton;
class VornAbstractDialog;

namespace Common {
namespace Widgets {

class WidgetWrapper;

// A form row: an editor (through its wrapper) and a "..." button that opens a
// value dialog and copies the confirmed value back into the editor.
class SettingWidget : public QWidget
{
    Q_OBJECT

public:
    explicit SettingWidget(QWidget* parent = nullptr);

    void setWrapper(WidgetWrapper* wrapper);
    WidgetWrapper* wrapper() const { return m_wrapper; }
    // The dialog is not owned; it is kept by the caller for every opening.
    void setDialog(VornAbstractDialog* dialog);
    void setValue(const QVariant& value);
    QVariant value() const;
    QToolButton* editButton() const { return m_editButton; }

public slots:
    void onEditButtonClick();

protected:
    void changeEvent(QEvent* event) override;

private:
    void updateEditButton();

    WidgetWrapper* m_wrapper = nullptr;
    QHBoxLayout* m_layout;
    QToolButton* m_editButton;
    QPointer<VornAbstractDialog> m_dialog;
};

} // namespace Widgets
} // namespace Common
