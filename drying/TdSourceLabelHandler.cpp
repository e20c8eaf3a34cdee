#include "drying/TdSourceLabelHandler.h"

#include "drying/ITabDrying.h"

namespace KD {

TdSourceLabelHandler::TdSourceLabelHandler(QObject* parent) : QObject(parent) { }

void TdSourceLabelHandler::setTab(ITabDrying* tab) { m_tab = tab; }

void TdSourceLabelHandler::setLoaded(int kind, const QString& name)
{
    show([kind, name] {
        QString prefix;
        if (kind == Slot)
            prefix = tr("Loaded from slot");
        else if (kind == Database)
            prefix = tr("Loaded from database");
        return prefix + QLatin1Char(' ') + name;
    });
}

void TdSourceLabelHandler::setLoadingFromSlot(int slotNumber)
{
    show([slotNumber] {
        return tr("Loading from slot") + QLatin1Char(' ') + QString::number(slotNumber);
    });
}

void TdSourceLabelHandler::setLoadingFromDatabase(const QString& name)
{
    show([name] { return tr("Loading from database") + QLatin1Char(' ') + name; });
}

void TdSourceLabelHandler::clear()
{
    show([] { return QString(); });
}

void TdSourceLabelHandler::retranslate()
{
    if (m_tab && m_text)
        m_tab->setStateText(m_text());
}

void TdSourceLabelHandler::show(std::function<QString()> text)
{
    m_text = std::move(text);
    retranslate();
}

} // namespace KD
