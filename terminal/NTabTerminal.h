#pragma once

#include "terminal/FilterWidgetNew.h"
#include "ui/AbstractGuiTab.h"

#include <QStringList>
#include <QVector>

class GuiIconAction;
class QTableView;
class TabTerminalTrProvider;
class VornCommandWidget;
class VornContextMenu;

namespace Common {
class ILogWidgetManager;
class IMessageBoxesTerminal;
} // namespace Common

namespace Ui {
class NTabTerminal;
}

// The terminal page: editable command rows that send single command lines,
// the communication log with its filter bar, and Ctrl+C copying of the
// selected log cells. The rows' texts are kept under "TERMINAL_COMMANDS".
class NTabTerminal : public AbstractGuiTab
{
    Q_OBJECT

public:
    static const QString settingsGroup;

    // The page owns the provider and the menu from here on.
    NTabTerminal(TabTerminalTrProvider* provider, Common::IMessageBoxesTerminal* messages,
                 bool autoCheck, const QStringList& defaultCommands, VornContextMenu* menu,
                 QWidget* parent = nullptr);
    ~NTabTerminal() override;

    // The command rows' texts.
    void saveSettings() const override;
    void setLogWidgetManager(Common::ILogWidgetManager* manager);

    QTableView* logTableView() const;
    Common::Filters::FilterWidgetNew* filterWidget() { return &m_filterWidget; }
    const QVector<VornCommandWidget*>& commandRows() const { return m_commandRows; }

    GuiIconAction* autoCheckAction() const { return m_autoCheck; }
    GuiIconAction* formatAction() const { return m_format; }
    GuiIconAction* reverseCommandsAction() const { return m_reverseCommands; }
    GuiIconAction* filterAction() const { return m_filterMessages; }
    GuiIconAction* columnsAction() const { return m_hideShowColumns; }
    GuiIconAction* saveLogsAction() const { return m_saveLogs; }
    GuiIconAction* saveRawLogsAction() const { return m_saveRawLogs; }
    GuiIconAction* clearLogsAction() const { return m_clearLogs; }

    // The selected, shown cells: TAB after each, CR LF between rows.
    QString selectedCellsText() const;

signals:
    void sendString(QString str);
    void checkConnection(bool check);

public slots:
    void setDefault();
    void changeFormatMode(bool state);
    void clearLogs();
    void onSaveRawClicked();
    void onSaveClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Ctrl+C on the focused table copies the selection, not one cell; the
    // filter bar shown or hidden moves the splitter.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool isCopyKey(const QKeyEvent* event);
    void copySelection() const;
    void lendCommandRoomToLog();
    void returnCommandRoom();

    TabTerminalTrProvider* m_trProvider;
    Common::IMessageBoxesTerminal* m_messages;
    Common::ILogWidgetManager* m_logManager = nullptr;
    Common::Filters::FilterWidgetNew m_filterWidget;
    Ui::NTabTerminal* m_ui;
    GuiIconAction* m_clearLogs;
    GuiIconAction* m_filterMessages;
    GuiIconAction* m_reverseCommands;
    GuiIconAction* m_saveLogs;
    GuiIconAction* m_hideShowColumns;
    GuiIconAction* m_format;
    GuiIconAction* m_saveRawLogs;
    GuiIconAction* m_autoCheck;
    QVector<VornCommandWidget*> m_commandRows;
    QStringList m_defaultCommands;
    // Width the command pane gave the log for the filter bar, 0 once the
    // user has moved the splitter.
    int m_lentToLog = 0;
};
