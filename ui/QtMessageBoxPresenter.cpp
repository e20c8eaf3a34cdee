#include "ui/QtMessageBoxPresenter.h"

#include <QAbstractButton>

QMessageBox::StandardButton QtMessageBoxPresenter::present(const MessageBoxRequest& request)
{
    QMessageBox box(request.icon, request.title, request.text, request.buttons, request.parent,
                    Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    box.setTextFormat(request.textFormat);
    box.setInformativeText(request.informativeText);
    if (QAbstractButton* yes = box.button(QMessageBox::Yes))
        yes->setText(request.yesText);
    if (QAbstractButton* no = box.button(QMessageBox::No))
        no->setText(request.noText);
    // Escape and the close button end a Yes/No box with No.
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
