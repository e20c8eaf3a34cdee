#pragma once

#include "search/INetworkSettingsDialog.h"

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace Common {

// Shows a network module settings change while it runs: one numbered line per
// step with its result, a summary, and Close once the change has finished.
// Until then neither Close, the title-bar button nor Escape closes it.
class NetworkSettingsChangeDialog : public QDialog, public INetworkSettingsDialog
{
    Q_OBJECT

public:
    explicit NetworkSettingsChangeDialog(QWidget* parent = nullptr);

    void addStep(const QString& name) override;
    void setStepResult(bool ok, const QString& details) override;
    void setSummary(const QString& text) override;
    void enableClose() override;
    void clearSteps() override;

    QString summary() const;
    QStringList stepTexts() const;
    bool isCloseBlocked() const { return m_closeBlocked; }

public slots:
    void onCloseClicked();
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QVBoxLayout* m_changesLayout;
    QLabel* m_summary;
    QPushButton* m_closeButton;
    QList<QLabel*> m_steps;
    int m_stepCount = 0;
    bool m_closeBlocked = true;
};

} // namespace Common
