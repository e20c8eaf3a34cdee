#pragma once

#include "settings/SqlCondition.h"
#include "ui/TranslationListGetter.h"

#include <QWidget>

class FiltersTrProvider;
class QComboBox;
class QHBoxLayout;

namespace Ui {
class AbstractFilter;
}

// One row of the SQL column filter bar: a title, an operator combo box and
// the kind's value widgets, turned into a condition on one column. A row is
// active from being shown until its X button (or the bar) switches it off.
class AbstractFilter : public QWidget
{
    Q_OBJECT

public:
    // The row becomes the provider's Qt parent. An empty title shows the column name.
    AbstractFilter(const QString& columnName, int index, FiltersTrProvider* provider,
                   const QVector<int>& operatorIds, QWidget* parent, const QString& title);
    ~AbstractFilter() override;

    // Empty when the row adds no condition.
    virtual SqlCondition whereClause() const = 0;

    bool isActive() const { return m_active; }
    void setActive(bool active) { m_active = active; }
    QString columnName() const { return m_columnName; }
    int index() const { return m_index; }
    void setTitle(const QString& title);

signals:
    void filterChanged();
    void xClicked(int index);

public slots:
    void xButtonClicked();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

    int operatorIndex() const;
    QComboBox* operatorCombo() const;
    QHBoxLayout* valueWidgetsLayout() const;

private:
    TranslationListGetter m_operators;
    Ui::AbstractFilter* ui;
    QString m_columnName;
    int m_index;
    bool m_active = false;
};
