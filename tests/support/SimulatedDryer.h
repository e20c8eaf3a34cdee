#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <QVector>

class AnalyzerSimulator;

// The analyzer's drying side, installed into an AnalyzerSimulator: the
// drying parameters ("Su0".."Su6", "Sd0".."Sd6", "Sp0".."Sp6", "Sv0".."Sv6"),
// the 20 memory slots ("Su7", "Su8"), and a drying run started by "Sx6" or
// from the keyboard: the six-line start block, a reading every period, and a
// stop line ("SK0" after "Sx7", "SK1" when the run ends by itself).
class SimulatedDryer : public QObject
{
    Q_OBJECT

public:
    // Indexes of the parameters: the set/load digit, profile values after 7.
    enum Parameter {
        Temperature,
        WorkMode,
        Formula,
        Samples,
        SamplingTime,
        DryingTime,
        Profile,
        SlowTime,
        StepTime1,
        StepTime2,
        StepTemperature1,
        StepTemperature2,
        FastTime,
        FastTemperature,
        ParameterCount
    };
    static constexpr int SlotCount = 20;

    explicit SimulatedDryer(AnalyzerSimulator* simulator, QObject* parent = nullptr);

    // Parameters are kept as the text the analyzer answers with.
    QByteArray parameter(int index) const { return m_current.value(index); }
    void setParameter(int index, const QByteArray& text) { m_current[index] = text; }
    // Slot numbers count from 1, as on the wire.
    QByteArray slotParameter(int slotNumber, int index) const;
    void setSlotParameter(int slotNumber, int index, const QByteArray& text);

    // Real time between two readings; the block announces the sampling time.
    void setReadingPeriod(int ms) { m_readings.setInterval(ms); }
    void setInitialMass(double grams) { m_initialMass = grams; }
    void setMassStep(double grams) { m_massStep = grams; }
    // Readings after the first before the run ends with "SK1"; 0: until "Sx7".
    void setReadingsPerRun(int count) { m_readingsPerRun = count; }

    // A run started on the analyzer's own keyboard.
    void startFromKeyboard();
    bool isRunning() const { return m_readings.isActive(); }
    int readingsSent() const { return m_readingsSent; }

private:
    void start();
    void stop(const QByteArray& stopLine);
    void sendReading();
    void installSetter(const QByteArray& name, int index);
    void installLoader(const QByteArray& name, int index);

    AnalyzerSimulator* m_simulator;
    QVector<QByteArray> m_current;
    QVector<QVector<QByteArray>> m_slots;
    QTimer m_readings;
    double m_initialMass = 5.0;
    double m_massStep = 0.05;
    double m_mass = 0.0;
    int m_readingsPerRun = 0;
    int m_readingsSent = 0;
};
