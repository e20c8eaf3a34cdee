#pragma once

#include <QDialog>

class SearchModeFlags;
class SearchParameters;

namespace Common {
class IMessageBoxesSearchSettings;
}

namespace Ui {
class SearchSettings;
}

// Chooses the baud rates the serial search tries and the search modes.
// Refuses an empty choice of either; saves only on "Save".
class SearchSettings : public QDialog
{
    Q_OBJECT

public:
    // With showModes false (no network search available) the mode choice is
    // hidden; the loaded modes are saved unchanged.
    SearchSettings(Common::IMessageBoxesSearchSettings* messageBoxes, SearchParameters* parameters,
                   SearchModeFlags* modes, bool showModes, QWidget* parent = nullptr);
    ~SearchSettings() override;

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void saveAndClose();

private:
    Ui::SearchSettings* m_ui;
    Common::IMessageBoxesSearchSettings* m_messageBoxes;
    SearchParameters* m_parameters;
    SearchModeFlags* m_modes;
};
