#pragma once

#include "communication/ILogger.h"
#include "terminal/ILogFetcher.h"

#include <QList>
#include <QObject>

#include <mutex>

namespace Common {
namespace Communication {

// The queue between the command engines (communication and search threads),
// which append, and the log view (GUI thread), which drains it.
class Logger : public QObject, public ILogger, public ILogFetcher
{
public:
    explicit Logger(QObject* parent = nullptr);

    void received(QString interfaceDescription, QDateTime when, QString text) override;
    void sent(QString interfaceDescription, QDateTime when, QString text) override;

    bool hasRecords() override;
    LogEntry takeFirst() override;

private:
    void append(bool isIn, QString interfaceDescription, const QDateTime& when, QString text);

    QList<LogEntry> m_entries;
    std::mutex m_lock;
};

} // namespace Communication
} // namespace Common
