#include "terminal/NFilterDialog.h"

#include "ui_NFilterDialog.h"

NFilterDialog::NFilterDialog(QWidget* parent) : QDialog(parent), m_ui(new Ui::NFilterDialog)
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // Parentless, so a window of its own: an open one must not keep the program
    // running once the main window closes.
    setAttribute(Qt::WA_QuitOnClose, false);
    connect(m_ui->confirmButton, &QPushButton::clicked, this, &NFilterDialog::confirmClicked);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &NFilterDialog::cancelClicked);
}

NFilterDialog::~NFilterDialog() { delete m_ui; }

void NFilterDialog::setItems(const QStringList& texts)
{
    if (m_ui->list->count() > 0)
        return;
    for (const QString& text : texts) {
        auto* item = new QListWidgetItem(text, m_ui->list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

void NFilterDialog::setItemTexts(const QStringList& texts)
{
    if (m_ui->list->count() == 0 || m_ui->list->count() != texts.size())
        return;
    for (int i = 0; i < texts.size(); ++i)
        m_ui->list->item(i)->setText(texts.at(i));
}

void NFilterDialog::openWithChecked(const QSet<int>& checked)
{
    m_checked = checked;
    for (int i = 0; i < m_ui->list->count(); ++i)
        m_ui->list->item(i)->setCheckState(checked.contains(i) ? Qt::Checked : Qt::Unchecked);
    show();
    raise();
    activateWindow();
}

void NFilterDialog::confirmClicked()
{
    hide();
    m_checked.clear();
    for (int i = 0; i < m_ui->list->count(); ++i) {
        if (m_ui->list->item(i)->checkState() == Qt::Checked)
            m_checked.insert(i);
    }
    emit filtersChanged();
}

void NFilterDialog::cancelClicked() { hide(); }

void NFilterDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        // The owner sets the window title; the form would put its own back.
        const QString title = windowTitle();
        m_ui->retranslateUi(this);
        setWindowTitle(title);
    }
}
