#pragma once

#include "search/ITabSearching.h"
#include "ui/AbstractGuiTab.h"

class DirectConnectionWidget;
class GuiIconAction;
class TabSearchingTrProvider;
class QTableWidget;

namespace Ui {
class NTabSearching;
}

namespace Common {
class ITabSearchingController;
}

// The search page: Search and Stop with the progress, the log of the search,
// the table of found devices and the connect button. Every action goes to
// the controller, which drives the page back through ITabSearching.
class NTabSearching : public AbstractGuiTab, public Common::ITabSearching
{
    Q_OBJECT

public:
    NTabSearching(TabSearchingTrProvider* provider, Common::ITabSearchingController* controller,
                  QWidget* parent = nullptr);
    ~NTabSearching() override;

    // The direct connection's address and port.
    void saveSettings() const override;
    void searchStarted() override;
    void searchFinished() override;
    void setProgress(int value) override;
    void setConnectionState(int state) override;
    bool isEmpty() const override;
    bool hasNoSelection() const override;
    void setStopEnabled(bool enabled) override;
    void appendLog(const QString& line) override;
    void updateRow(int row, bool connected,
                   const std::optional<Common::Communication::DeviceInfo>& info) override;
    DirectConnectionTarget directTarget() const override;
    void addRow() override;
    void fillRow(int row, const QString& toolTip, const QMap<int, QString>& cells) override;

    QTableWidget* table() const;
    QString details() const;

public slots:
    void searchClicked();
    void showDetailsClicked(bool checked);
    void settingsClicked();
    void onNewLogLine(QString s);
    void connectionButtonClicked();
    void connectionIconClicked();
    void disconnectionIconClicked();
    void stopClicked();
    void selectionChanged();
    void toggleDirectSearching(bool toggle);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setColumnTitles();
    // The first selected row, or -1.
    int selectedRow() const;

    Ui::NTabSearching* m_ui;
    Common::ITabSearchingController* m_controller;
    GuiIconAction* m_directIcon;
    GuiIconAction* m_connectIcon;
    GuiIconAction* m_disconnectIcon;
    GuiIconAction* m_searchIcon;
    GuiIconAction* m_stopIcon;
    GuiIconAction* m_settingsIcon;
    GuiIconAction* m_detailsIcon;
    DirectConnectionWidget* m_direct;
    int m_buttonState = Greyed;
};
