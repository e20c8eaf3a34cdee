#include "ui/QtFileDialogPresenter.h"

#include <QFileDialog>

QString QtFileDialogPresenter::choose(QFileDialog& dialog)
{
    if (dialog.exec() == 0)
        return QString();
    return dialog.selectedFiles().value(0);
}
