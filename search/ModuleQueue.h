#pragma once

#include <QList>
#include <QObject>

namespace Common {
namespace Communication {

class IModuleReceiver;
class IOInterfaceModule;

// Reads the configuration of one network module at a time and hands each
// module that answered to the receiver.
class ModuleQueue : public QObject
{
    Q_OBJECT

public:
    explicit ModuleQueue(IModuleReceiver* receiver, QObject* parent = nullptr);

    void enqueue(IOInterfaceModule* module);
    // Releases every module still waiting.
    void clear();
    int count() const { return m_modules.size(); }

public slots:
    void onModuleInfoReady();
    void onModuleCommandFailed();
    void onModuleCommandTimeout();

private:
    void queryHead();
    IOInterfaceModule* takeHead();

    QList<IOInterfaceModule*> m_modules;
    IModuleReceiver* m_receiver;
    bool m_busy = false;
};

} // namespace Communication
} // namespace Common
