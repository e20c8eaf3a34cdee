#include "settings/FilterWidget.h"

#include "settings/DateFilter.h"
#include "settings/EnumFilter.h"
#include "settings/FiltersTrProvider.h"
#include "settings/InOutFilter.h"
#include "settings/NumericFilter.h"
#include "settings/StringFilter.h"
#include "settings/TimeFilter.h"

#include <QEvent>
#include <QVBoxLayout>

FilterWidget::FilterWidget(QWidget* parent) : QScrollArea(parent), m_rowsLayout(new QVBoxLayout)
{
    m_rowsLayout->setAlignment(Qt::AlignTop);
    hide();
    auto* inner = new QWidget;
    inner->setLayout(m_rowsLayout);
    inner->setContentsMargins(3, 3, 20, 3);
    setWidget(inner);
    setWidgetResizable(true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(&m_filtersDialog, &FilterDialog::filterList, this, &FilterWidget::setFilters);
    connect(&m_columnsDialog, &FilterDialog::filterList, this, &FilterWidget::setCollumns);
}

// The rows go with the inner widget; they must not report to a bar being torn down.
FilterWidget::~FilterWidget()
{
    for (AbstractFilter* row : qAsConst(m_rows))
        row->disconnect(this);
}

void FilterWidget::setSkippedFields(int count) { m_skippedFields = count; }

void FilterWidget::setRecord(QSqlRecord record, const QVector<ColumnFilterKind>& kinds,
                             const TranslationListGetter& titles)
{
    if (!m_rows.isEmpty())
        return;
    m_titles = titles;
    const QStringList texts = m_titles.getList();
    for (int i = 0; i < m_skippedFields && !record.isEmpty(); ++i)
        record.remove(0);

    // A column without a title goes by its name, in its row and in the dialogs.
    QStringList items;
    for (int i = 0; i < record.count(); ++i) {
        items.append(texts.value(i).isEmpty() ? record.fieldName(i) : texts.at(i));
        AbstractFilter* row = createRow(kinds.value(i), record.fieldName(i), i, items.last());
        row->hide();
        m_rowsLayout->addWidget(row);
        m_rows.append(row);
        connect(row, &AbstractFilter::xClicked, &m_filtersDialog, &FilterDialog::uncheck);
        connect(row, &AbstractFilter::filterChanged, this, &FilterWidget::filterChanged);
    }
    m_filtersDialog.setItems(items);
    m_columnsDialog.setItems(items);
    // At first no column is filtered and every column is visible.
    m_columnsDialog.checkAll();
}

AbstractFilter* FilterWidget::createRow(const ColumnFilterKind& kind, const QString& field,
                                        int index, const QString& title)
{
    auto* provider = new FiltersTrProvider;
    switch (kind.kind) {
    case ColumnFilterKind::Number: return new NumericFilter(field, index, provider, this, title);
    case ColumnFilterKind::Date: return new DateFilter(field, index, provider, this, title);
    case ColumnFilterKind::Time: return new TimeFilter(field, index, provider, this, title);
    case ColumnFilterKind::InOut: return new InOutFilter(field, index, provider, this, title);
    case ColumnFilterKind::Enumeration:
        return new EnumFilter(field, index, provider, this, title, kind.values);
    default: return new StringFilter(field, index, provider, this, title);
    }
}

void FilterWidget::setFiltersDialogTitle(const TranslationHandle& title)
{
    m_filtersTitle = title;
    m_filtersDialog.setWindowTitle(title.text());
}

void FilterWidget::setColumnsDialogTitle(const TranslationHandle& title)
{
    m_columnsTitle = title;
    m_columnsDialog.setWindowTitle(title.text());
}

namespace {

// Also brings back a dialog left open behind the main window.
void bringUp(FilterDialog* dialog)
{
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

} // namespace

void FilterWidget::openFiltersDialog() { bringUp(&m_filtersDialog); }

void FilterWidget::openColumnsDialog() { bringUp(&m_columnsDialog); }

void FilterWidget::setFilters(QVector<bool> list)
{
    for (int i = 0; i < list.size() && i < m_rows.size(); ++i) {
        if (list.at(i)) {
            m_rows.at(i)->show();
        } else {
            m_rows.at(i)->setActive(false);
            m_rows.at(i)->hide();
        }
    }
    setVisible(m_filtersDialog.countChecked() > 0);
}

void FilterWidget::filterChanged()
{
    SqlCondition joined;
    int active = 0;
    for (const AbstractFilter* row : qAsConst(m_rows)) {
        if (!row->isActive())
            continue;
        ++active;
        const SqlCondition condition = row->whereClause();
        if (condition.isEmpty())
            continue;
        if (!joined.isEmpty())
            joined.text += QStringLiteral(" AND ");
        joined.text += condition.text;
        joined.values += condition.values;
    }
    emit filterString(joined);
    if (active == 0)
        hide();
}

void FilterWidget::changeEvent(QEvent* event)
{
    QScrollArea::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    const QStringList texts = m_titles.getList();
    m_filtersDialog.setItemTexts(texts);
    m_columnsDialog.setItemTexts(texts);
    m_filtersDialog.setWindowTitle(m_filtersTitle.text());
    m_columnsDialog.setWindowTitle(m_columnsTitle.text());
    for (int i = 0; i < m_rows.size(); ++i)
        m_rows.at(i)->setTitle(texts.value(i));
}
