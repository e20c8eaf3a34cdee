#pragma once

#include <QObject>

struct MessageBoxContext;

namespace KD {

class HLDryerController;

// Shows the drying controller's last error as a warning box.
class ErrorMessageHandler : public QObject
{
    Q_OBJECT

public:
    ErrorMessageHandler(MessageBoxContext* boxes, HLDryerController* controller,
                        QObject* parent = nullptr);

public slots:
    void onControllerError();

private:
    MessageBoxContext* m_boxes;
    HLDryerController* m_controller;
};

} // namespace KD
