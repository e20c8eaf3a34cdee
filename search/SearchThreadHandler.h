#pragma once

#include "search/AsyncDevInfoGetter.h"
#include "search/IStoppable.h"

#include <QObject>
#include <QPointer>
#include <QThread>
#include <QVariant>

#include <atomic>

namespace Common {
namespace Communication {

class ILogger;
class ISearchInfo;
class NCOMDeviceLoop;

// Searches one serial port on a thread of its own (its child) and reports the
// device it found. Deletes itself once its thread has finished; destroyed
// before, it waits for the thread as long as it takes, since the port's loop
// uses the search information and the log.
class SearchThreadHandler : public QObject, public IStoppable
{
    Q_OBJECT

public:
    explicit SearchThreadHandler(QObject* parent = nullptr);
    ~SearchThreadHandler() override;

    void setId(int id) { m_id = id; }
    void setProbeTimings(const ProbeTimings& timings) { m_timings = timings; }
    void start(QThread* callerThread, const QString& portName, const QString& portKind,
               ISearchInfo* searchInfo, ILogger* logger);
    // Read by the port's thread between tries.
    bool isStopped() override { return m_stopped.load(); }
    // For shutting down: stops the port's thread at once and waits for it at
    // most `ms`; false, with a warning naming the port, when it did not end
    // in time.
    bool abort(int ms);

signals:
    void progress(int id, int progressVal, int maxProgress);
    void finished(QVariant result);
    void newLogLine(QString line);

public slots:
    void stop() { m_stopped.store(true); }
    void onFinish(bool success);
    void onProgress(int progressVal, int maxProgress);

private:
    QThread m_thread{this};
    std::atomic_bool m_stopped{false};
    int m_id = 0;
    QString m_portName;
    ProbeTimings m_timings;
    QPointer<NCOMDeviceLoop> m_loop;
};

} // namespace Communication
} // namespace Common
