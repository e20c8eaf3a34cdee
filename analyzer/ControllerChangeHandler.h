#pragma once

#include <QObject>

namespace Common {
class StatusBarHandler;
}

namespace KD {

// Puts the drying controller's state text into the status bar.
class ControllerChangeHandler : public QObject
{
    Q_OBJECT

public:
    explicit ControllerChangeHandler(Common::StatusBarHandler* statusBar,
                                     QObject* parent = nullptr);

public slots:
    void onStateTextChanged(QString text);

private:
    Common::StatusBarHandler* m_statusBar;
};

} // namespace KD
