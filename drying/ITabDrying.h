#pragma once

#include "drying/ICalcFormulaSetter.h"
#include "settings/DryingSettings.h"

#include <QStringList>

class QAbstractItemModel;
class QWidget;

namespace KD {

// The drying page as its controller's parts drive it.
class ITabDrying : public ICalcFormulaSetter
{
public:
    // The text that says where the shown parameter set came from.
    virtual void setStateText(const QString& text) = 0;
    virtual bool isTabVisible() const = 0;
    virtual void setTableModel(QAbstractItemModel* model) = 0;
    virtual void setPlotWidget(QWidget* widget) = 0;
    // The slot and database choices; off while a choice is being loaded.
    virtual void setSettingSourceEnabled(bool on) = 0;
    virtual void setCurrentSettings(const DryingSettings& settings) = 0;
    // Fills the database choice; current is the position in names, -1 none.
    virtual void setDbNames(const QStringList& names, int current) = 0;
};

} // namespace KD
