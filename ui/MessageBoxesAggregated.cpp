#include "ui/MessageBoxesAggregated.h"

namespace Common {

void MessageBoxesAggregated::showNothingToSave()
{
    m_context.showWarning(m_texts.text(MessageBoxTrProvider::NoDataToSave));
}

bool MessageBoxesAggregated::askClearData()
{
    return m_context.askQuestion(m_texts.text(MessageBoxTrProvider::ClearAllData));
}

} // namespace Common
