#include "drying/HumidityData.h"

#include "drying/CalcHumidity.h"
#include "drying/DryerRecord.h"

#include <limits>

namespace KD {
namespace Drying {

HumidityData::HumidityData(QObject* parent) : IOHumidityData(parent), m_table(3)
{
    // Field names of the report's data source.
    m_table.setHeaderData(0, Qt::Horizontal, QStringLiteral("Time"), Qt::UserRole);
    m_table.setHeaderData(1, Qt::Horizontal, QStringLiteral("Humidity"), Qt::UserRole);
    m_table.setHeaderData(2, Qt::Horizontal, QStringLiteral("Mass"), Qt::UserRole);
}

void HumidityData::clear()
{
    if (isEmpty())
        return;
    m_plot.clear();
    m_table.clear();
    emit changed();
}

bool HumidityData::isEmpty() const { return m_table.recordCount() == 0; }

void HumidityData::appendMass(int stepMs, double mass)
{
    const int time = nextTime(stepMs);
    const double m0 = isEmpty() ? mass : initialMass();
    const double humidity = calcHumidity(m0, mass, m_formula);
    m_table.appendRecord(new DryerRecord(time, mass, humidity));
    m_plot.append(time, humidity);
    emit changed();
}

void HumidityData::beginAppending() { m_table.beginAppending(); }

void HumidityData::endAppending() { m_table.endAppending(); }

void HumidityData::setCalcFormula(int id)
{
    if (id == m_formula)
        return;
    m_formula = id;
    if (isEmpty())
        return;
    const double m0 = initialMass();
    const int count = samplesCount();
    for (int i = 0; i < count; ++i) {
        DryerRecord* record = recordAt(i);
        const double humidity = calcHumidity(m0, record->mass(), m_formula);
        record->setHumidity(humidity);
        m_plot.setY(i, humidity);
    }
    // Views of the table would otherwise keep showing the old humidities.
    m_table.refresh();
    emit changed();
}

int HumidityData::calcFormula() const { return m_formula; }

int HumidityData::samplesCount() const { return m_table.recordCount(); }

double HumidityData::massAt(int row) const
{
    const DryerRecord* record = recordAt(row);
    return record ? record->mass() : 0.0;
}

int HumidityData::timeAt(int row) const
{
    const DryerRecord* record = recordAt(row);
    return record ? record->timeMs() : 0;
}

double HumidityData::humidityAt(int row) const
{
    const DryerRecord* record = recordAt(row);
    return record ? record->humidity() : 0.0;
}

QAbstractItemModel* HumidityData::model() { return &m_table; }

Common::CustomTableModel* HumidityData::modelFull() { return &m_table; }

int HumidityData::nextTime(int stepMs) const
{
    if (isEmpty())
        return 0;
    // Saturate instead of overflowing on absurd steps.
    const qint64 time = qint64(timeAt(samplesCount() - 1)) + stepMs;
    return int(
        qBound<qint64>(std::numeric_limits<int>::min(), time, std::numeric_limits<int>::max()));
}

double HumidityData::initialMass() const { return massAt(0); }

DryerRecord* HumidityData::recordAt(int row) const
{
    if (row < 0 || row >= m_table.recordCount())
        return nullptr;
    return static_cast<DryerRecord*>(m_table.record(row));
}

} // namespace Drying
} // namespace KD
