#pragma once

#include "analyzer/OperationError.h"
#include "settings/DryingSettings.h"

#include <QObject>
#include <QVariant>

namespace KD {
namespace Communication {

class NDryer;

// Reads the analyzer's current drying parameters, one load command after the
// other: the seven main values, then the values of the profile just read.
class SettingLoader : public QObject
{
    Q_OBJECT
public:
    explicit SettingLoader(NDryer* dryer, QObject* parent = nullptr);

    void load();
    void abort();
    DryingSettings settings() const { return m_settings; }
    OperationError errorInfo() const;

signals:
    void finished(bool success);

private slots:
    void commandLoop(int result, int command, QVariant response);

private:
    void listen(bool on);
    void end(bool success);
    int nextCode(int code) const;

    DryingSettings m_settings;
    NDryer* m_dryer;
    int m_current = 0;
    bool m_listening = false;
};

} // namespace Communication
} // namespace KD
