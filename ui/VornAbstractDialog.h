#pragma once

#include <QDialog>
#include <QString>
#include <QVariant>

class QAbstractButton;

// Base of the value dialogs that a SettingWidget row opens with its "..."
// button. The flag says whether the last opening ended with Confirm.
class VornAbstractDialog : public QDialog
{
public:
    explicit VornAbstractDialog(QWidget* parent = nullptr);

    virtual QString text() const;
    virtual bool isConfirmed() const;
    virtual void setText(const QString& text);
    virtual void setTextValue(const QString& text);
    virtual QString textValue() const;
    virtual QVariant value() const;
    virtual void setValue(const QVariant& value);
    virtual void reset();

    void cancel();
    void confirm();

protected:
    // Wires a form's Cancel and Confirm buttons.
    void bindButtons(QAbstractButton* cancelButton, QAbstractButton* confirmButton);

    // Each opening starts unconfirmed, so Escape or the close button after an
    // earlier Confirm does not write the value back.
    void showEvent(QShowEvent* event) override;

    bool m_confirmed = false;
};
