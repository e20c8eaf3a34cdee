#include "terminal/FilterWidgetNew.h"

#include "terminal/AbstractFilterWidget.h"
#include "terminal/FilterWidgetFactory.h"

#include <QEvent>
#include <QVBoxLayout>

namespace Common {
namespace Filters {

FilterWidgetNew::FilterWidgetNew(QWidget* parent)
    : QScrollArea(parent), m_rowsLayout(new QVBoxLayout)
{
    m_rowsLayout->setAlignment(Qt::AlignTop);
    hide();
    auto* inner = new QWidget;
    inner->setLayout(m_rowsLayout);
    m_rowsLayout->setContentsMargins(3, 3, 20, 3);
    setWidget(inner);
    setWidgetResizable(true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(&m_filtersDialog, &NFilterDialog::filtersChanged, this,
            &FilterWidgetNew::onFilterCheckChanged);
    connect(&m_columnsDialog, &NFilterDialog::filtersChanged, this,
            &FilterWidgetNew::onColumnsVisibilityCheckChanged);
}

// The rows are hidden, and announce it, only once the bar's own members are
// gone: nothing may reach the bar or its listeners from then on.
FilterWidgetNew::~FilterWidgetNew()
{
    blockSignals(true);
    for (AbstractFilterWidget* row : qAsConst(m_rows))
        row->disconnect(this);
}

void FilterWidgetNew::setColumns(const QVector<LogColumnFilterSpec>& columns,
                                 const TranslationListGetter& titles)
{
    if (!m_rows.isEmpty())
        return;
    m_titles = titles;
    const QStringList texts = m_titles.getList();
    for (int i = 0; i < columns.size(); ++i) {
        AbstractFilterWidget* row = createFilterWidget(columns.at(i));
        if (!row)
            continue;
        row->setTitle(texts.value(i));
        row->setIndex(i);
        m_rowsLayout->addWidget(row);
        m_rows.append(row);
        connect(row, &AbstractFilterWidget::xClicked, this, &FilterWidgetNew::onXClicked);
        connect(row, &AbstractFilterWidget::filterChanged, this, &FilterWidgetNew::onFilterChanged);
        m_visibleColumns.insert(i);
    }
    m_filtersDialog.setItems(texts);
    m_columnsDialog.setItems(texts);
}

IFilter* FilterWidgetNew::filterOf(int column) const
{
    if (!m_filterColumns.contains(column) || column < 0 || column >= m_rows.size())
        return nullptr;
    return m_rows.at(column)->createFilter();
}

void FilterWidgetNew::setFiltersDialogTitle(const TranslationHandle& title)
{
    m_filtersDialogTitle = title;
    m_filtersDialog.setWindowTitle(title.text());
}

void FilterWidgetNew::setColumnsDialogTitle(const TranslationHandle& title)
{
    m_columnsDialogTitle = title;
    m_columnsDialog.setWindowTitle(title.text());
}

void FilterWidgetNew::openFilterDialog() { m_filtersDialog.openWithChecked(m_filterColumns); }

void FilterWidgetNew::openColumnsDialog() { m_columnsDialog.openWithChecked(m_visibleColumns); }

void FilterWidgetNew::onFilterChanged(int index) { emit filterChanged(index); }

void FilterWidgetNew::onXClicked(int index)
{
    m_filterColumns.remove(index);
    setVisible(!m_filterColumns.isEmpty());
    emit filterChanged(index);
}

void FilterWidgetNew::onFilterCheckChanged()
{
    // Replaced first, so a row hidden below asks for its filter and gets none.
    m_filterColumns = m_filtersDialog.checkedColumns();
    for (int i = 0; i < m_rows.size(); ++i)
        m_rows.at(i)->setVisible(m_filterColumns.contains(i));
    setVisible(!m_filterColumns.isEmpty());
}

void FilterWidgetNew::onColumnsVisibilityCheckChanged()
{
    m_visibleColumns = m_columnsDialog.checkedColumns();
    emit visiblityChanged();
}

void FilterWidgetNew::changeEvent(QEvent* event)
{
    QScrollArea::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    const QStringList texts = m_titles.getList();
    m_filtersDialog.setItemTexts(texts);
    m_columnsDialog.setItemTexts(texts);
    m_filtersDialog.setWindowTitle(m_filtersDialogTitle.text());
    m_columnsDialog.setWindowTitle(m_columnsDialogTitle.text());
    for (int i = 0; i < m_rows.size(); ++i)
        m_rows.at(i)->setTitle(texts.value(i));
}

} // namespace Filters
} // namespace Common
