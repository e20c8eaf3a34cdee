#pragma once

#include "ui/IMessageBoxPresenter.h"

#include <QList>
#include <QVector>

// Stands in for every message box while it exists: records each box and
// answers at once (queued answers first, then the default answer), so tests
// never wait on a modal loop. Restores the previous presenter when destroyed.
class FakeMessageBoxPresenter : public IMessageBoxPresenter
{
public:
    explicit FakeMessageBoxPresenter(QMessageBox::StandardButton defaultAnswer = QMessageBox::No);
    ~FakeMessageBoxPresenter() override;

    QMessageBox::StandardButton present(const MessageBoxRequest& request) override;

    void queueAnswer(QMessageBox::StandardButton answer) { m_answers.append(answer); }
    void setDefaultAnswer(QMessageBox::StandardButton answer) { m_defaultAnswer = answer; }

    const QVector<MessageBoxRequest>& shown() const { return m_shown; }
    MessageBoxRequest last() const
    {
        return m_shown.isEmpty() ? MessageBoxRequest() : m_shown.last();
    }
    void clear() { m_shown.clear(); }

private:
    IMessageBoxPresenter* m_previous;
    QMessageBox::StandardButton m_defaultAnswer;
    QList<QMessageBox::StandardButton> m_answers;
    QVector<MessageBoxRequest> m_shown;
};
