#pragma once

#include <QWidget>

namespace Ui {
class StartFromDeviceWidget;
}

namespace KD {
class ITryIgnoreStartFromDevice;
}

// The "Log start from device" box with its explanation. The box always shows
// what the drying controller accepted, not merely what was clicked.
class StartFromDeviceWidget : public QWidget
{
    Q_OBJECT

public:
    explicit StartFromDeviceWidget(QWidget* parent = nullptr);
    ~StartFromDeviceWidget() override;

    void setReceiver(KD::ITryIgnoreStartFromDevice* receiver) { m_receiver = receiver; }
    bool isChecked() const;

public slots:
    void onToggle(int state);

protected:
    void changeEvent(QEvent* event) override;

private:
    Ui::StartFromDeviceWidget* ui;
    KD::ITryIgnoreStartFromDevice* m_receiver = nullptr;
};
