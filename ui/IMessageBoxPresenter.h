#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// Everything a message box shows; built for each box when it is shown.
struct MessageBoxRequest
{
    QString title;
    QString text;
    QString informativeText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat textFormat = Qt::AutoText;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QWidget* parent = nullptr;
    QString yesText;
    QString noText;
};

// Shows a box and returns the button that ended it. The program shows real
// modal boxes; tests put a presenter in place that answers at once.
class IMessageBoxPresenter
{
public:
    virtual ~IMessageBoxPresenter() = default;
    virtual QMessageBox::StandardButton present(const MessageBoxRequest& request) = 0;
};
