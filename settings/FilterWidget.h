#pragma once

#include "settings/ColumnFilterKind.h"
#include "settings/FilterDialog.h"
#include "settings/SqlCondition.h"
#include "ui/TranslationHandle.h"
#include "ui/TranslationListGetter.h"

#include <QScrollArea>
#include <QSqlRecord>
#include <QVector>

class AbstractFilter;
class QVBoxLayout;

// The bar of SQL column filter rows beside a table: one row per column, shown
// when the user switches the column's filter on, and the conditions of the
// active rows joined with AND. Also owns the dialog that chooses the visible
// table columns and forwards its choice.
class FilterWidget : public QScrollArea
{
    Q_OBJECT

public:
    explicit FilterWidget(QWidget* parent = nullptr);
    ~FilterWidget() override;

    void setSkippedFields(int count);
    // Builds the rows once: one kind and one title per field after the skipped ones.
    void setRecord(QSqlRecord record, const QVector<ColumnFilterKind>& kinds,
                   const TranslationListGetter& titles);
    void setFiltersDialogTitle(const TranslationHandle& title);
    void setColumnsDialogTitle(const TranslationHandle& title);

    const QVector<AbstractFilter*>& rows() const { return m_rows; }
    FilterDialog* filtersDialog() { return &m_filtersDialog; }
    FilterDialog* columnsDialog() { return &m_columnsDialog; }

signals:
    // The joined condition of the active rows; empty when none adds one.
    void filterString(const SqlCondition& filterString);
    // Per column, true when visible.
    void setCollumns(QVector<bool> list);

public slots:
    void openFiltersDialog();
    void openColumnsDialog();
    void setFilters(QVector<bool> list);
    void filterChanged();

protected:
    void changeEvent(QEvent* event) override;

private:
    AbstractFilter* createRow(const ColumnFilterKind& kind, const QString& field, int index,
                              const QString& title);

    TranslationHandle m_filtersTitle;
    TranslationHandle m_columnsTitle;
    FilterDialog m_filtersDialog;
    FilterDialog m_columnsDialog;
    QVBoxLayout* m_rowsLayout;
    QVector<AbstractFilter*> m_rows;
    int m_skippedFields = 1;
    TranslationListGetter m_titles;
};
