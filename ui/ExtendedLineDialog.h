#pragma once

#include "ui/VornAbstractDialog.h"

namespace Ui {
class ExtendedLineDialog;
}

// Multi-line editor for a text value.
class ExtendedLineDialog : public VornAbstractDialog
{
    Q_OBJECT

public:
    explicit ExtendedLineDialog(QWidget* parent = nullptr);
    ~ExtendedLineDialog() override;

    QString text() const override;
    bool isConfirmed() const override;
    void setText(const QString& text) override;
    QVariant value() const override;
    void setValue(const QVariant& value) override;

protected:
    void changeEvent(QEvent* event) override;

private:
    Ui::ExtendedLineDialog* m_ui;
};
