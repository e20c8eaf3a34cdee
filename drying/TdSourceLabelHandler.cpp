#include "drying/TdSourceLabelHandler.h"

#include "drying/ITabDrying.h"

namespace KD {

TdSourceLabelHandler::TdSourceLabelHandler(QObject* parent) : QObject(parent) { }

void TdSourceLabelHandler::setTab(ITabDrying* tab) { m_tab = tab; }

void TdSourceLabelHandler::setLoaded(int kind, const QString& name)
{
    QString prefix;
    if (kind == Slot)
        prefix = tr("Loaded from slot");
    else if (kind == Database)
        prefix = tr("Loaded from database");
    show(prefix + QLatin1Char(' ') + name);
}

void TdSourceLabelHandler::setLoadingFromSlot(int slotNumber)
{
    show(tr("Loading from slot") + QLatin1Char(' ') + QString::number(slotNumber));
}

void TdSourceLabelHandler::setLoadingFromDatabase(const QString& name)
{
    show(tr("Loading from database") + QLatin1Char(' ') + name);
}

void TdSourceLabelHandler::clear() { show(QString()); }

void TdSourceLabelHandler::show(const QString& text)
{
    if (m_tab)
        m_tab->setStateText(text);
}

} // namespace KD
