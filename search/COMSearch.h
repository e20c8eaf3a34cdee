#pragma once

#include "communication/ISerialPortLister.h"
#include "communication/SystemSerialPortLister.h"
#include "search/AsyncDevInfoGetter.h"

#include <QObject>
#include <QPointer>
#include <QVariant>
#include <QVector>

namespace Common {
namespace Communication {

class ILogger;
class ISearchInfo;
class SearchThreadHandler;

// The serial half of the device search: every allowed port is searched at
// the same time, each on a thread of its own. Lives on the GUI thread; the
// search engine reaches it by queued calls. Reports one progress value from
// 10 to 100 over all ports.
class COMSearch : public QObject
{
    Q_OBJECT

public:
    // A port allowed by the search information, with its kind text.
    struct PortEntry
    {
        SerialPortEntry port;
        QString kind;
    };

    // The port searches are its children: destroyed with it, each stops
    // and waits for its thread as long as it takes.
    COMSearch(ISearchInfo* searchInfo, ILogger* logger, QObject* parent = nullptr);

    // Where the ports come from (the system's unless set; not owned).
    void setPortLister(const ISerialPortLister* lister);
    void setProbeTimings(const ProbeTimings& timings) { m_timings = timings; }

    QVector<PortEntry> classifySerialPorts() const;
    // Port threads still running.
    int runningPortSearches() const;
    // For shutting down: stops every port's search and waits for the
    // threads at most `ms` together; false, with a warning naming each port
    // still searched, when one did not end.
    bool stopPortSearches(int ms);

signals:
    void deviceFound(QVariant result);
    void progress(int value);
    void newLogLine(QString line);
    void stopHandler();

public slots:
    void start();
    void stop();
    void onFinished(QVariant result);
    void onProgress(int id, int progress, int maxProgress);

private:
    void updateProgress();
    // Cuts the handlers of an earlier search loose: their late reports must
    // not land in this one.
    void releaseHandlers();

    const int m_endProgress = 100;
    const int m_startProgress = 10;
    ISearchInfo* m_searchInfo;
    ILogger* m_logger;
    SystemSerialPortLister m_systemPorts;
    const ISerialPortLister* m_lister = &m_systemPorts;
    ProbeTimings m_timings;
    QVector<PortEntry> m_ports;
    QVector<float> m_fractions;
    QVector<QPointer<SearchThreadHandler>> m_handlers;
    int m_finished = 0;
    int m_portCount = 0;
};

} // namespace Communication
} // namespace Common
