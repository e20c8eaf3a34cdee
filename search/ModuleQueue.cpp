#include "search/ModuleQueue.h"

#include "communication/IOInterfaceModule.h"
#include "search/IModuleReceiver.h"

namespace Common {
namespace Communication {

ModuleQueue::ModuleQueue(IModuleReceiver* receiver, QObject* parent)
    : QObject(parent), m_receiver(receiver)
{ }

void ModuleQueue::enqueue(IOInterfaceModule* module)
{
    if (!module)
        return;
    m_modules.append(module);
    if (!m_busy)
        queryHead();
}

void ModuleQueue::clear()
{
    for (IOInterfaceModule* module : qAsConst(m_modules)) {
        disconnect(module, nullptr, this, nullptr);
        module->deleteLater();
    }
    m_modules.clear();
    m_busy = false;
}

void ModuleQueue::queryHead()
{
    if (m_modules.isEmpty())
        return;
    m_busy = true;
    IOInterfaceModule* head = m_modules.first();
    connect(head, &IOInterfaceModule::infoReady, this, &ModuleQueue::onModuleInfoReady);
    connect(head, &IOInterfaceModule::commandFailed, this, &ModuleQueue::onModuleCommandFailed);
    connect(head, &IOInterfaceModule::commandTimeout, this, &ModuleQueue::onModuleCommandTimeout);
    head->readInfo(1);
}

IOInterfaceModule* ModuleQueue::takeHead()
{
    auto* module = qobject_cast<IOInterfaceModule*>(sender());
    if (!module || m_modules.isEmpty() || m_modules.first() != module)
        return nullptr;
    m_modules.removeFirst();
    disconnect(module, nullptr, this, nullptr);
    m_busy = false;
    return module;
}

void ModuleQueue::onModuleInfoReady()
{
    IOInterfaceModule* module = takeHead();
    if (!module)
        return;
    if (m_receiver)
        m_receiver->onModuleInfo(module);
    queryHead();
}

void ModuleQueue::onModuleCommandFailed()
{
    // A module that cannot be read is of no further use: release it and
    // its socket now rather than when the search ends.
    if (IOInterfaceModule* module = takeHead())
        module->deleteLater();
    queryHead();
}

void ModuleQueue::onModuleCommandTimeout() { onModuleCommandFailed(); }

} // namespace Communication
} // namespace Common
