#pragma once

#include "drying/ITdSourceLabelHandler.h"
#include "drying/ITdTabReceiver.h"

#include <QObject>

namespace KD {

// Writes the drying page's source text: "Loading from slot 3" while a choice
// is loaded, "Loaded from slot 3" once it has been read back.
class TdSourceLabelHandler : public QObject, public ITdTabReceiver, public ITdSourceLabelHandler
{
    Q_OBJECT

public:
    explicit TdSourceLabelHandler(QObject* parent = nullptr);

    void setTab(ITabDrying* tab) override;
    void setLoaded(int kind, const QString& name) override;
    void setLoadingFromSlot(int slotNumber) override;
    void setLoadingFromDatabase(const QString& name) override;
    void clear() override;

private:
    void show(const QString& text);

    ITabDrying* m_tab = nullptr;
};

} // namespace KD
