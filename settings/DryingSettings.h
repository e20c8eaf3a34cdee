#pragma once

#include "settings/CalcFormula.h"
#include "settings/DryingProfile.h"
#include "settings/WorkMode.h"

#include <QMetaType>
#include <QTime>

// One drying parameter set as a plain value. The profile's own values share
// four tail slots: slow/step1/fast time use slot 1, step2 time and fast
// temperature slot 2, the step temperatures slots 3 and 4. Every field,
// the tail included, starts with a defined value so that comparing and
// storing a fresh set never reads garbage.
class DryingSettings
{
public:
    DryingSettings() = default;

    WorkMode::Type workMode() const { return m_workMode; }
    void setWorkMode(WorkMode::Type mode) { m_workMode = mode; }
    CalcFormula::Type calcFormula() const { return m_calcFormula; }
    void setCalcFormula(CalcFormula::Type formula) { m_calcFormula = formula; }
    DryingProfile::Type dryingProfile() const { return m_dryingProfile; }
    void setDryingProfile(DryingProfile::Type profile) { m_dryingProfile = profile; }
    int mainTemperature() const { return m_mainTemperature; }
    void setMainTemperature(int temperature) { m_mainTemperature = temperature; }
    int samplesQuantity() const { return m_samplesQuantity; }
    void setSamplesQuantity(int quantity) { m_samplesQuantity = quantity; }
    int samplingTime() const { return m_samplingTime; }
    void setSamplingTime(int seconds) { m_samplingTime = seconds; }
    QTime dryingTime() const { return toTime(m_dryingTime); }
    void setDryingTime(const QTime& time) { m_dryingTime = fromTime(time); }

    QTime slowTime() const { return toTime(m_tail[0]); }
    void setSlowTime(const QTime& time) { m_tail[0] = fromTime(time); }

    QTime stepTime1() const { return toTime(m_tail[0]); }
    void setStepTime1(const QTime& time) { m_tail[0] = fromTime(time); }
    QTime stepTime2() const { return toTime(m_tail[1]); }
    void setStepTime2(const QTime& time) { m_tail[1] = fromTime(time); }
    int stepTemperature1() const { return m_tail[2]; }
    void setStepTemperature1(int temperature) { m_tail[2] = temperature; }
    int stepTemperature2() const { return m_tail[3]; }
    void setStepTemperature2(int temperature) { m_tail[3] = temperature; }

    QTime fastTime() const { return toTime(m_tail[0]); }
    void setFastTime(const QTime& time) { m_tail[0] = fromTime(time); }
    int fastTemperature() const { return m_tail[1]; }
    void setFastTemperature(int temperature) { m_tail[1] = temperature; }

    // Tail slots the profile does not use are ignored.
    bool operator==(const DryingSettings& other) const;
    bool operator!=(const DryingSettings& other) const { return !(*this == other); }

private:
    // A time is kept as milliseconds since midnight, -1 when invalid.
    static QTime toTime(qint32 msecs) { return QTime::fromMSecsSinceStartOfDay(msecs); }
    static qint32 fromTime(const QTime& time)
    {
        return time.isValid() ? time.msecsSinceStartOfDay() : -1;
    }

    WorkMode::Type m_workMode = WorkMode::Time;
    CalcFormula::Type m_calcFormula = CalcFormula::M0MinusMnOverM0;
    DryingProfile::Type m_dryingProfile = DryingProfile::Standard;
    qint32 m_mainTemperature = 100;
    qint32 m_samplesQuantity = 0;
    qint32 m_samplingTime = 1;
    qint32 m_dryingTime = 0;
    qint32 m_tail[4] = {0, 0, 0, 0};
};

Q_DECLARE_METATYPE(DryingSettings)
