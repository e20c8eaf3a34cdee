#include "settings/CouldNotLoadFromDbMessageBox.h"

#include "ui/MessageBoxContext.h"

namespace KD {

CouldNotLoadFromDbMessageBox::CouldNotLoadFromDbMessageBox(MessageBoxContext* context,
                                                           QObject* parent)
    : QObject(parent), m_context(context)
{ }

void CouldNotLoadFromDbMessageBox::show()
{
    m_context->showWarning(tr("Could not load setting from database!"));
}

} // namespace KD
