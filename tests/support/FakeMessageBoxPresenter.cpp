#include "tests/support/FakeMessageBoxPresenter.h"

#include "ui/MessageBoxContext.h"

FakeMessageBoxPresenter::FakeMessageBoxPresenter(QMessageBox::StandardButton defaultAnswer)
    : m_previous(MessageBoxContext::presenter()), m_defaultAnswer(defaultAnswer)
{
    MessageBoxContext::setPresenter(this);
}

FakeMessageBoxPresenter::~FakeMessageBoxPresenter() { MessageBoxContext::setPresenter(m_previous); }

QMessageBox::StandardButton FakeMessageBoxPresenter::present(const MessageBoxRequest& request)
{
    m_shown.append(request);
    const QMessageBox::StandardButton answer =
        m_answers.isEmpty() ? m_defaultAnswer : m_answers.takeFirst();
    // A box can only end with one of its own buttons (Escape on Yes/No is No).
    return request.buttons.testFlag(answer)            ? answer
           : request.buttons.testFlag(QMessageBox::No) ? QMessageBox::No
                                                       : QMessageBox::Ok;
}
