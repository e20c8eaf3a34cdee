#pragma once

#include <QDialog>
#include <QScopedPointer>

namespace Common {

class IRunContextHandler;

namespace RunContext {
class ICheckedValuesHandler;
class IPdfTranslatorInfo;
} // namespace RunContext

namespace Widgets {
class ItemGrid;
class IWidgetDataTranslator;
} // namespace Widgets

namespace UI {

namespace Ui {
class ContextSetup;
}

// Modal dialog that edits a run context and chooses what the report prints.
// Closing it any way but Confirm changes nothing.
class ContextSetup : public QDialog
{
    Q_OBJECT

public:
    explicit ContextSetup(QWidget* parent = nullptr);
    ~ContextSetup() override;

    // Not owned; must outlive the dialog's last save.
    void setTranslator(Widgets::IWidgetDataTranslator* translator);
    bool wasSaved() const { return m_saved; }

    // Shows the dialog modally over the given context; true when confirmed.
    static bool runSetup(RunContext::ICheckedValuesHandler* checked, IRunContextHandler* context,
                         const RunContext::IPdfTranslatorInfo* info);

public slots:
    void cancelClicked();
    void saveClicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    QScopedPointer<Ui::ContextSetup> m_ui;
    Widgets::IWidgetDataTranslator* m_translator = nullptr;
    QScopedPointer<Widgets::ItemGrid> m_grid;
    bool m_saved = false;
};

} // namespace UI
} // namespace Common
