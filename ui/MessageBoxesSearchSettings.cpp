#include "ui/MessageBoxesSearchSettings.h"

#include "ui/MessageBoxContext.h"
#include "ui/MessageBoxTrProvider.h"

namespace Common {

MessageBoxesSearchSettings::MessageBoxesSearchSettings(MessageBoxContext* context)
    : m_context(context)
{ }

void MessageBoxesSearchSettings::showNoBaudRate()
{
    m_context->showInformation(MessageBoxTrProvider().text(MessageBoxTrProvider::NoBaudRate));
}

void MessageBoxesSearchSettings::showNoSearchMode()
{
    m_context->showInformation(MessageBoxTrProvider().text(MessageBoxTrProvider::NoSearchMode));
}

} // namespace Common
