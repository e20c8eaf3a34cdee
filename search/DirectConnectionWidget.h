#pragma once

#include <QWidget>

namespace Ui {
class DirectConnectionWidget;
}

// The address and TCP port of a device to try directly during a network
// search; both are kept in the settings group "Direct Connection".
class DirectConnectionWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DirectConnectionWidget(QWidget* parent = nullptr);
    ~DirectConnectionWidget() override;

    QString ip() const;
    int port() const;
    // Also done when the widget goes.
    void saveSettings() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    Ui::DirectConnectionWidget* m_ui;
};
