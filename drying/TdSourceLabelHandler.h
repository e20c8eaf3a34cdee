#pragma once

#include "drying/ITdSourceLabelHandler.h"
#include "drying/ITdTabReceiver.h"
#include "ui/IRetranslatable.h"

#include <QObject>

#include <functional>

namespace KD {

// Writes the drying page's source text: "Loading from slot 3" while a choice
// is loaded, "Loaded from slot 3" once it has been read back; the text shown
// follows a change of language.
class TdSourceLabelHandler : public QObject,
                             public ITdTabReceiver,
                             public ITdSourceLabelHandler,
                             public Common::IRetranslatable
{
    Q_OBJECT

public:
    explicit TdSourceLabelHandler(QObject* parent = nullptr);

    void setTab(ITabDrying* tab) override;
    void setLoaded(int kind, const QString& name) override;
    void setLoadingFromSlot(int slotNumber) override;
    void setLoadingFromDatabase(const QString& name) override;
    void clear() override;
    void retranslate() override;

private:
    void show(std::function<QString()> text);

    ITabDrying* m_tab = nullptr;
    // Makes the shown text in the current language.
    std::function<QString()> m_text;
};

} // namespace KD
