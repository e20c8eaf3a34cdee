#include "analyzer/KDTerminalSignalHandler.h"

#include "analyzer/HLDryerController.h"

namespace KD {

KDTerminalSignalHandler::KDTerminalSignalHandler(QObject* parent) : IOTerminalSignalHandler(parent)
{ }

void KDTerminalSignalHandler::sendString(QString text)
{
    if (!m_controller || !m_controller->sendString(text))
        showSendFailed();
}

void KDTerminalSignalHandler::checkConnection(bool check)
{
    if (m_controller)
        m_controller->setCheckConnection(check);
}

} // namespace KD
