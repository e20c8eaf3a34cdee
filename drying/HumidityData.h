#pragma once

#include "drying/IOHumidityData.h"
#include "terminal/CustomTableModel.h"
#include "ui/PlotData.h"

namespace KD {
class DryerRecord;

namespace Drying {

// The run model: owns the run's records in a table model and keeps the plot
// series point for point with them. Appending costs the same at any length.
class HumidityData : public IOHumidityData
{
    Q_OBJECT

public:
    explicit HumidityData(QObject* parent = nullptr);

    void clear() override;
    bool isEmpty() const override;
    void appendMass(int stepMs, double mass) override;
    void beginAppending() override;
    void endAppending() override;
    void setCalcFormula(int id) override;
    int calcFormula() const override;
    int samplesCount() const override;
    double massAt(int row) const override;
    int timeAt(int row) const override;
    double humidityAt(int row) const override;
    QAbstractItemModel* model() override;
    Common::CustomTableModel* modelFull() override;

    Common::PlotData* plotData() { return &m_plot; }

private:
    int nextTime(int stepMs) const;
    double initialMass() const;
    DryerRecord* recordAt(int row) const;

    Common::PlotData m_plot;
    int m_formula = 1;
    Common::CustomTableModel m_table;
};

} // namespace Drying
} // namespace KD
