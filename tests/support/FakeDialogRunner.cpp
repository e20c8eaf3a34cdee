#include "tests/support/FakeDialogRunner.h"

#include "ui/DialogRunner.h"

#include <QDialog>

FakeDialogRunner::FakeDialogRunner() : m_previous(DialogRunner::runner())
{
    DialogRunner::setRunner(this);
}

FakeDialogRunner::~FakeDialogRunner() { DialogRunner::setRunner(m_previous); }

int FakeDialogRunner::run(QDialog& dialog)
{
    m_shown.append(dialog.objectName());
    if (m_steps.isEmpty())
        return QDialog::Rejected;
    return m_steps.takeFirst()(dialog);
}

void FakeDialogRunner::queueResult(int result)
{
    queueStep([result](QDialog&) { return result; });
}
