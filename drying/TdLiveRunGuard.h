#pragma once

#include "drying/ICsvLoadable.h"
#include "ui/IDataCleaner.h"

#include <QObject>

struct MessageBoxContext;

namespace KD {

class HLDryerController;

namespace Drying {

// Keeps the drying page's Clear and Load away from a run that is being
// recorded: clearing would give the live readings a new first mass, loading
// would mix a file's records into them. Both are refused with a warning until
// the run ends or the analyzer is gone.
class TdLiveRunGuard : public QObject, public Common::IDataCleaner, public Common::ICsvLoadable
{
    Q_OBJECT

public:
    TdLiveRunGuard(const HLDryerController* controller, Common::IDataCleaner* clear,
                   Common::ICsvLoadable* load, const MessageBoxContext* boxes,
                   QObject* parent = nullptr);

    // Clear.
    bool check() override;
    bool load() override;

private slots:
    void onDryingStart(bool isExternal, bool isIgnored, int interval);

private:
    bool refused() const;

    const HLDryerController* m_controller;
    Common::IDataCleaner* m_clear;
    Common::ICsvLoadable* m_load;
    const MessageBoxContext* m_boxes;
    // The run going on is recorded (not a keyboard start the page ignores).
    bool m_recorded = false;
};

} // namespace Drying
} // namespace KD
