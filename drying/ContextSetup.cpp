#include "drying/ContextSetup.h"

#include "ui_ContextSetup.h"

#include "drying/ItemGrid.h"
#include "drying/PdfContextTranslator.h"

namespace Common {
namespace UI {

ContextSetup::ContextSetup(QWidget* parent) : QDialog(parent), m_ui(new Ui::ContextSetup)
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_grid.reset(new Widgets::ItemGrid(m_ui->settingsLayout));
    connect(m_ui->buttonSave, &QPushButton::clicked, this, &ContextSetup::saveClicked);
    connect(m_ui->buttonCancel, &QPushButton::clicked, this, &ContextSetup::cancelClicked);
}

ContextSetup::~ContextSetup() = default;

void ContextSetup::setTranslator(Widgets::IWidgetDataTranslator* translator)
{
    m_translator = translator;
    if (!m_translator)
        return;
    m_translator->setGrid(m_grid.data());
    m_translator->build();
}

void ContextSetup::cancelClicked() { close(); }

void ContextSetup::saveClicked()
{
    m_saved = true;
    if (m_translator)
        m_translator->save();
    close();
}

bool ContextSetup::runSetup(RunContext::ICheckedValuesHandler* checked, IRunContextHandler* context,
                            const RunContext::IPdfTranslatorInfo* info)
{
    RunContext::PdfContextTranslator translator(checked, context, info);
    ContextSetup dialog;
    dialog.setTranslator(&translator);
    dialog.exec();
    return dialog.wasSaved();
}

void ContextSetup::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
}

} // namespace UI
} // namespace Common
