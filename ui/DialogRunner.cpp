#include "ui/DialogRunner.h"

#include "ui/IDialogRunner.h"

#include <QDialog>

namespace {

class ExecDialogRunner : public IDialogRunner
{
public:
    int run(QDialog& dialog) override { return dialog.exec(); }
};

IDialogRunner* replacedRunner = nullptr;

} // namespace

int DialogRunner::run(QDialog& dialog) { return runner()->run(dialog); }

void DialogRunner::setRunner(IDialogRunner* runner) { replacedRunner = runner; }

IDialogRunner* DialogRunner::runner()
{
    static ExecDialogRunner real;
    return replacedRunner ? replacedRunner : &real;
}
