#include "tests/support/FakeFileDialogPresenter.h"

#include "ui/VornFileDialog.h"

FakeFileDialogPresenter::FakeFileDialogPresenter() : m_previous(VornFileDialog::presenter())
{
    VornFileDialog::setPresenter(this);
}

FakeFileDialogPresenter::~FakeFileDialogPresenter() { VornFileDialog::setPresenter(m_previous); }

QString FakeFileDialogPresenter::choose(QFileDialog& dialog)
{
    m_shown.append({dialog.directory().absolutePath(), dialog.nameFilters(), dialog.acceptMode(),
                    dialog.fileMode()});
    return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
}
