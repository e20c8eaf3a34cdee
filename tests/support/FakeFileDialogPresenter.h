#pragma once

#include "ui/IFileDialogPresenter.h"

#include <QFileDialog>
#include <QList>
#include <QStringList>
#include <QVector>

// Stands in for every VornFileDialog while it exists: records how each dialog
// was prepared and answers at once with the queued path ("" = cancel).
// Restores the previous presenter when destroyed.
class FakeFileDialogPresenter : public IFileDialogPresenter
{
public:
    struct Shown
    {
        QString directory;
        QStringList nameFilters;
        QFileDialog::AcceptMode acceptMode;
        QFileDialog::FileMode fileMode;
    };

    FakeFileDialogPresenter();
    ~FakeFileDialogPresenter() override;

    QString choose(QFileDialog& dialog) override;

    void queueAnswer(const QString& path) { m_answers.append(path); }
    const QVector<Shown>& shown() const { return m_shown; }
    Shown last() const { return m_shown.value(m_shown.size() - 1); }

private:
    IFileDialogPresenter* m_previous;
    QList<QString> m_answers;
    QVector<Shown> m_shown;
};
