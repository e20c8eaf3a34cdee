#pragma once

#include <QObject>

struct MessageBoxContext;

namespace Common {

// The back end of the terminal page: receives its send and connection-check
// requests and hands them to the analyzer-specific code.
class IOTerminalSignalHandler : public QObject
{
    Q_OBJECT

public:
    explicit IOTerminalSignalHandler(QObject* parent = nullptr);

    void setMessageBoxContext(MessageBoxContext* context) { m_context = context; }

public slots:
    void onSendString(QString text);
    void onCheckConnection(bool check);

    virtual void sendString(QString text) = 0;
    virtual void checkConnection(bool check) = 0;

protected:
    // "Could not send terminal command!", when a message-box context is set.
    void showSendFailed();

private:
    MessageBoxContext* m_context = nullptr;
};

} // namespace Common
