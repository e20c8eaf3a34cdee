#include "settings/AbstractFilter.h"

#include "settings/FiltersTrProvider.h"

#include "ui_AbstractFilter.h"

#include <QEvent>

namespace {

QVector<TranslationHandle> handles(const FiltersTrProvider* provider, const QVector<int>& ids)
{
    QVector<TranslationHandle> list;
    for (int id : ids)
        list.append(TranslationHandle(provider, id));
    return list;
}

} // namespace

AbstractFilter::AbstractFilter(const QString& columnName, int index, FiltersTrProvider* provider,
                               const QVector<int>& operatorIds, QWidget* parent,
                               const QString& title)
    : QWidget(parent), m_operators(handles(provider, operatorIds)), ui(new Ui::AbstractFilter),
      m_columnName(columnName), m_index(index)
{
    ui->setupUi(this);
    provider->setParent(this);
    ui->chooseOptionCombo->addItems(m_operators.getList());
    setTitle(title);
    connect(ui->xButton, &QToolButton::clicked, this, &AbstractFilter::xButtonClicked);
}

AbstractFilter::~AbstractFilter() { delete ui; }

void AbstractFilter::setTitle(const QString& title)
{
    ui->label->setText(title.isEmpty() ? m_columnName : title);
}

void AbstractFilter::xButtonClicked()
{
    m_active = false;
    hide();
    emit xClicked(m_index);
}

void AbstractFilter::showEvent(QShowEvent* event)
{
    m_active = true;
    emit filterChanged();
    QWidget::showEvent(event);
}

void AbstractFilter::hideEvent(QHideEvent* event)
{
    emit filterChanged();
    QWidget::hideEvent(event);
}

void AbstractFilter::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    const QStringList texts = m_operators.getList();
    for (int i = 0; i < texts.size() && i < ui->chooseOptionCombo->count(); ++i)
        ui->chooseOptionCombo->setItemText(i, texts.at(i));
}

int AbstractFilter::operatorIndex() const { return ui->chooseOptionCombo->currentIndex(); }

QComboBox* AbstractFilter::operatorCombo() const { return ui->chooseOptionCombo; }

QHBoxLayout* AbstractFilter::valueWidgetsLayout() const { return ui->valueWidgetsLayout; }
