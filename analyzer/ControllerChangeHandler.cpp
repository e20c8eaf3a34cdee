#include "analyzer/ControllerChangeHandler.h"

#include "ui/StatusBarHandler.h"

namespace KD {

ControllerChangeHandler::ControllerChangeHandler(Common::StatusBarHandler* statusBar,
                                                 QObject* parent)
    : QObject(parent), m_statusBar(statusBar)
{ }

void ControllerChangeHandler::onStateTextChanged(QString text) { m_statusBar->setStateText(text); }

} // namespace KD
