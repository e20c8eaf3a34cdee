#include "terminal/AbstractFilterWidget.h"

#include "ui_AbstractFilterWidget.h"

namespace Common {
namespace Filters {

AbstractFilterWidget::AbstractFilterWidget(const TranslationListGetter& options, QWidget* parent)
    : QWidget(parent), m_options(options), m_ui(new Ui::AbstractFilterWidget)
{
    m_ui->setupUi(this);
    m_ui->chooseOptionCombo->addItems(m_options.getList());
    m_ui->label->setText(QString());
    // Connected after the combo is filled, so construction announces nothing.
    connect(m_ui->chooseOptionCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &AbstractFilterWidget::onComboChanged);
    connect(m_ui->xButton, &QToolButton::clicked, this, &AbstractFilterWidget::xButtonClicked);
}

AbstractFilterWidget::~AbstractFilterWidget() { delete m_ui; }

TranslationListGetter AbstractFilterWidget::optionTexts(const ITranslationProvider* provider,
                                                        const QVector<int>& ids)
{
    QVector<TranslationHandle> handles;
    for (int id : ids)
        handles.append(TranslationHandle(provider, id));
    return TranslationListGetter(handles);
}

void AbstractFilterWidget::setTitle(const QString& title) { m_ui->label->setText(title); }

QString AbstractFilterWidget::title() const { return m_ui->label->text(); }

int AbstractFilterWidget::optionIndex() const { return m_ui->chooseOptionCombo->currentIndex(); }

QComboBox* AbstractFilterWidget::modeCombo() const { return m_ui->chooseOptionCombo; }

void AbstractFilterWidget::xButtonClicked()
{
    hide();
    emit xClicked(m_index);
}

void AbstractFilterWidget::onComboChanged() { onModeChanged(); }

void AbstractFilterWidget::onModeChanged() { emitFilterChanged(); }

void AbstractFilterWidget::addValueWidget(QWidget* widget)
{
    m_ui->valueWidgetsLayout->addWidget(widget);
}

void AbstractFilterWidget::emitFilterChanged() { emit filterChanged(m_index); }

void AbstractFilterWidget::showEvent(QShowEvent* event)
{
    emitFilterChanged();
    QWidget::showEvent(event);
}

void AbstractFilterWidget::hideEvent(QHideEvent* event)
{
    emitFilterChanged();
    QWidget::hideEvent(event);
}

void AbstractFilterWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        const QStringList texts = m_options.getList();
        for (int i = 0; i < texts.size() && i < m_ui->chooseOptionCombo->count(); ++i)
            m_ui->chooseOptionCombo->setItemText(i, texts.at(i));
    }
}

} // namespace Filters
} // namespace Common
