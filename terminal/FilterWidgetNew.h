#pragma once

#include "terminal/LogColumnFilterSpec.h"
#include "terminal/NFilterDialog.h"
#include "ui/TranslationHandle.h"
#include "ui/TranslationListGetter.h"

#include <QScrollArea>
#include <QSet>
#include <QVector>

class QVBoxLayout;

namespace Common {
namespace Filters {

class AbstractFilterWidget;
class IFilter;

// The log's filter bar: one filter row per column, of which only the rows
// the user switched on are shown, and the set of columns the table shows.
// Hidden while no row is switched on.
class FilterWidgetNew : public QScrollArea
{
    Q_OBJECT

public:
    explicit FilterWidgetNew(QWidget* parent = nullptr);
    ~FilterWidgetNew() override;

    // Builds the rows once; later calls change nothing.
    void setColumns(const QVector<LogColumnFilterSpec>& columns,
                    const TranslationListGetter& titles);
    // A new predicate (caller owns it), or null when the column's row is off.
    IFilter* filterOf(int column) const;
    QSet<int> visibleColumns() const { return m_visibleColumns; }
    QSet<int> filterColumns() const { return m_filterColumns; }

    void setFiltersDialogTitle(const TranslationHandle& title);
    void setColumnsDialogTitle(const TranslationHandle& title);

    AbstractFilterWidget* row(int column) const { return m_rows.value(column); }
    NFilterDialog* filtersDialog() { return &m_filtersDialog; }
    NFilterDialog* columnsDialog() { return &m_columnsDialog; }

signals:
    void filterChanged(int filterNum);
    void visiblityChanged();

public slots:
    void openFilterDialog();
    void openColumnsDialog();
    void onFilterChanged(int index);
    void onXClicked(int index);
    void onFilterCheckChanged();
    void onColumnsVisibilityCheckChanged();

protected:
    void changeEvent(QEvent* event) override;

private:
    TranslationHandle m_filtersDialogTitle;
    TranslationHandle m_columnsDialogTitle;
    NFilterDialog m_filtersDialog;
    NFilterDialog m_columnsDialog;
    QVBoxLayout* m_rowsLayout;
    QVector<AbstractFilterWidget*> m_rows;
    TranslationListGetter m_titles;
    QSet<int> m_filterColumns;
    QSet<int> m_visibleColumns;
};

} // namespace Filters
} // namespace Common
