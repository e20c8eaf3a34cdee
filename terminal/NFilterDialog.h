#pragma once

#include <QDialog>
#include <QSet>

namespace Ui {
class NFilterDialog;
}

// A modeless list of columns to tick: which columns get a filter row, or
// which columns the log table shows.
class NFilterDialog : public QDialog
{
    Q_OBJECT

public:
    explicit NFilterDialog(QWidget* parent = nullptr);
    ~NFilterDialog() override;

    // Fills the list once; later calls are ignored.
    void setItems(const QStringList& texts);
    // Renames the items; ignored unless the counts match.
    void setItemTexts(const QStringList& texts);
    // Ticks exactly the given rows and shows the dialog without blocking.
    void openWithChecked(const QSet<int>& checked);
    // As of the last confirmation or opening.
    QSet<int> checkedColumns() const { return m_checked; }

signals:
    void filtersChanged();

public slots:
    void confirmClicked();
    void cancelClicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    Ui::NFilterDialog* m_ui;
    QSet<int> m_checked;
};
