#pragma once

#include "communication/ConnectionInfo.h"
#include "communication/DeviceInfo.h"
#include "search/AsyncDevInfoGetter.h"

#include <QObject>
#include <QVector>

class QThread;

namespace Common {
namespace Communication {

class ILogger;
class ISearchCommandCreator;
class IStoppable;

// Tries one serial port at each baud rate with each command variant, one
// probe at a time, until a device answers or the tries run out. Runs on the
// port's own thread.
class NCOMDeviceLoop : public QObject
{
    Q_OBJECT

public:
    NCOMDeviceLoop(QThread* callerThread, const QString& portName, const QString& portKind,
                   const QVector<int>& baudRates, const QVector<int>& variants,
                   const QVector<int>& goingOnVariants, ISearchCommandCreator* creator,
                   bool variantMajorOrder, IStoppable* stopper, ILogger* logger,
                   QObject* parent = nullptr);

    void setProbeTimings(const ProbeTimings& timings) { m_timings = timings; }

    DeviceInfo deviceInfo() const { return m_deviceInfo; }
    ConnectionInfo connectionInfo() const { return m_connectionInfo; }
    int foundVariant() const { return m_foundVariant; }

    // The baud rate and variant of try `index`.
    struct Try
    {
        int baudRate;
        int variant;
    };
    Try tryAt(int index) const;

signals:
    void progress(int current, int target);
    void finished(bool success);
    void newLogLine(QString line);

public slots:
    void start();
    void doIteration();
    void onDigFinished(bool success);

private:
    ConnectionInfo connectionInfoAt(int index) const;
    QString logPrefix() const;
    void end();

    QString m_portName;
    QString m_portKind;
    IStoppable* m_stopper;
    ILogger* m_logger;
    QVector<int> m_baudRates;
    QVector<int> m_variants;
    QVector<int> m_goingOnVariants;
    ISearchCommandCreator* m_creator;
    bool m_variantMajorOrder;
    ProbeTimings m_timings;
    AsyncDevInfoGetter* m_getter = nullptr;
    DeviceInfo m_deviceInfo;
    ConnectionInfo m_connectionInfo;
    int m_foundVariant = 0;
    int m_tryIndex = 0;
    int m_tries = 0;
    bool m_found = false;
};

} // namespace Communication
} // namespace Common
