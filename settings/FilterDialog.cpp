#include "settings/FilterDialog.h"

#include "ui_FilterDialog.h"

#include <QEvent>

FilterDialog::FilterDialog(QWidget* parent) : QDialog(parent), ui(new Ui::FilterDialog)
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // A window of its own without a parent: left open, it must not keep the
    // program running once the main window is closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    connect(ui->confirmButton, &QPushButton::clicked, this, &FilterDialog::setFilters);
    connect(ui->cancelButton, &QPushButton::clicked, this, &FilterDialog::cancelClicked);
}

FilterDialog::~FilterDialog() { delete ui; }

void FilterDialog::setItems(const QStringList& items)
{
    if (ui->list->count() > 0)
        return;
    for (const QString& text : items) {
        auto* item = new QListWidgetItem(text, ui->list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

void FilterDialog::setItemTexts(const QStringList& texts)
{
    if (ui->list->count() == 0 || ui->list->count() != texts.size())
        return;
    for (int i = 0; i < texts.size(); ++i)
        ui->list->item(i)->setText(texts.at(i));
}

void FilterDialog::checkAll()
{
    m_kept.fill(true, ui->list->count());
    for (int i = 0; i < ui->list->count(); ++i)
        ui->list->item(i)->setCheckState(Qt::Checked);
}

void FilterDialog::uncheck(int i)
{
    if (QListWidgetItem* item = ui->list->item(i))
        item->setCheckState(Qt::Unchecked);
    if (i >= 0 && i < m_kept.size())
        m_kept[i] = false;
}

int FilterDialog::countChecked() const { return static_cast<int>(m_kept.count(true)); }

void FilterDialog::setFilters()
{
    hide();
    m_kept.clear();
    for (int i = 0; i < ui->list->count(); ++i)
        m_kept.append(ui->list->item(i)->checkState() == Qt::Checked);
    emit filterList(m_kept);
}

void FilterDialog::cancelClicked()
{
    hide();
    for (int i = 0; i < ui->list->count(); ++i)
        ui->list->item(i)->setCheckState(m_kept.value(i, false) ? Qt::Checked : Qt::Unchecked);
}

void FilterDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    // The window title is the filter bar's to set.
    const QString title = windowTitle();
    ui->retranslateUi(this);
    setWindowTitle(title);
}

void FilterDialog::reject() { cancelClicked(); }
