#pragma once

#include <QString>

class QFileDialog;

// Runs a prepared file dialog and returns the chosen file, or "" when the user
// cancelled. The program shows the dialog modally; tests answer at once.
class IFileDialogPresenter
{
public:
    virtual ~IFileDialogPresenter() = default;
    virtual QString choose(QFileDialog& dialog) = 0;
};
