#pragma once

#include "ui/IDialogRunner.h"

#include <QList>
#include <QStringList>

#include <functional>

// Stands in for the modal dialog runner while it exists: each dialog run
// takes the next scripted step, which may act on the dialog (tick boxes,
// press buttons) and returns the result code. With no step left a dialog is
// rejected. Restores the previous runner when destroyed.
class FakeDialogRunner : public IDialogRunner
{
public:
    using Step = std::function<int(QDialog&)>;

    FakeDialogRunner();
    ~FakeDialogRunner() override;

    int run(QDialog& dialog) override;

    void queueStep(Step step) { m_steps.append(std::move(step)); }
    void queueResult(int result);
    // The object names of the dialogs run, in order.
    QStringList shown() const { return m_shown; }

private:
    IDialogRunner* m_previous;
    QList<Step> m_steps;
    QStringList m_shown;
};
