#include "ui/StatusBarHandler.h"

#include "ui/ConnectionTypeTrProvider.h"

#include <QLabel>
#include <QStatusBar>

namespace Common {

namespace {

int stateTextId(int event)
{
    switch (event) {
    case StatusBarHandler::EventConnected: return ConnectionTypeTrProvider::Connected;
    case StatusBarHandler::EventConnecting: return ConnectionTypeTrProvider::Connecting;
    case StatusBarHandler::EventListening: return ConnectionTypeTrProvider::Listening;
    default: // disconnected, and a connection attempt that failed
        return ConnectionTypeTrProvider::Disconnected;
    }
}

} // namespace

void StatusBarHandler::install(QStatusBar* statusBar)
{
    m_labels.clear();
    for (int i = 0; i < LabelCount; ++i)
        m_labels.append(new QLabel);
    QFont font = m_labels.first()->font();
    font.setPointSize(9);
    for (const QPointer<QLabel>& label : qAsConst(m_labels)) {
        label->setAlignment(Qt::AlignLeft);
        label->setFont(font);
        statusBar->addWidget(label, 0);
    }
    setLabel(StateLabel, ConnectionTypeTrProvider().text(ConnectionTypeTrProvider::Disconnected));
}

void StatusBarHandler::onConnectionStateChanged(int event,
                                                const Communication::DeviceConnectionInfo& info)
{
    m_event = event;
    m_info = info;
    refresh();
}

void StatusBarHandler::setStateText(const QString& text) { setLabel(StateTextLabel, text); }

void StatusBarHandler::retranslate() { refresh(); }

void StatusBarHandler::refresh()
{
    setLabel(StateLabel, ConnectionTypeTrProvider().text(stateTextId(m_event)));
    const bool connected = m_event == EventConnected;
    setLabel(ModelLabel, connected ? m_info.deviceInfo.model : QString());
    setLabel(SerialLabel, connected ? m_info.deviceInfo.serialNumber : QString());
    setLabel(ConnectionLabel, connected ? m_info.connectionInfo.toDisplayString() : QString());
}

void StatusBarHandler::setLabel(int label, const QString& text)
{
    if (label < m_labels.size() && m_labels.at(label))
        m_labels.at(label)->setText(text);
}

} // namespace Common
