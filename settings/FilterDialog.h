#pragma once

#include <QDialog>
#include <QVector>

namespace Ui {
class FilterDialog;
}

// A list of columns to tick, shown without blocking. Confirm keeps the check
// marks and reports them; Cancel puts back the last kept ones.
class FilterDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FilterDialog(QWidget* parent = nullptr);
    ~FilterDialog() override;

    // Only while the list is empty; every item starts unchecked.
    void setItems(const QStringList& items);
    // Only with exactly one text per item.
    void setItemTexts(const QStringList& texts);
    void checkAll();
    void uncheck(int i);
    int countChecked() const;

signals:
    void filterList(QVector<bool> l);

public slots:
    void setFilters();
    void cancelClicked();
    // Escape and the window's close button cancel too.
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    Ui::FilterDialog* ui;
    QVector<bool> m_kept;
};
