#pragma once

#include "ui/IFileDialogPresenter.h"

class QtFileDialogPresenter : public IFileDialogPresenter
{
public:
    QString choose(QFileDialog& dialog) override;
};
