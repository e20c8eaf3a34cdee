#pragma once

#include "analyzer/OperationError.h"

#include <QObject>

namespace KD {
namespace Communication {

class NDryer;

// Sends the start (98) or stop (99) command and reports error() when it fails.
// It listens only until the outcome of its own command is known: a failure of
// that command, or the drying start that announces a successful start.
class Starter : public QObject
{
    Q_OBJECT
public:
    explicit Starter(NDryer* dryer, QObject* parent = nullptr);

    bool start();
    bool stop();
    // Stops listening without a signal.
    void abort();
    OperationError errorInfo() const;

signals:
    void error();

private slots:
    void onCommandFinished(int result, int command);
    void onDryingStart();

private:
    bool send(bool starting);
    void listen(bool on);

    NDryer* m_dryer;
    bool m_starting = false;
};

} // namespace Communication
} // namespace KD
