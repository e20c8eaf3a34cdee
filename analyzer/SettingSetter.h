#pragma once

#include "analyzer/OperationError.h"
#include "settings/DryingSettings.h"

#include <QObject>

namespace KD {
namespace Communication {

class NDryer;

// Writes a drying parameter set as the analyzer's current parameters, one set
// command after the other: the seven main values, then those of its profile.
class SettingSetter : public QObject
{
    Q_OBJECT
public:
    explicit SettingSetter(NDryer* dryer, QObject* parent = nullptr);

    void set(const DryingSettings& settings);
    void abort();
    OperationError errorInfo() const;

signals:
    void finished(bool);

private slots:
    void commandLoop(int result, int command);

private:
    void listen(bool on);
    void end(bool success);
    bool send(int code);
    int nextCode(int code) const;

    DryingSettings m_settings;
    NDryer* m_dryer;
    int m_current = 0;
    bool m_listening = false;
};

} // namespace Communication
} // namespace KD
