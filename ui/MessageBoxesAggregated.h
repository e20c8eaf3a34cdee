#pragma once

#include "ui/IClearDataMessageBox.h"
#include "ui/INothingtoSaveMessageBox.h"
#include "ui/MessageBoxContext.h"
#include "ui/MessageBoxTrProvider.h"

namespace Common {

// The drying page's own boxes: always untitled and without a parent,
// whatever the shared context holds.
class MessageBoxesAggregated : public INothingtoSaveMessageBox, public IClearDataMessageBox
{
public:
    void showNothingToSave() override;
    bool askClearData() override;

private:
    MessageBoxTrProvider m_texts;
    MessageBoxContext m_context;
};

} // namespace Common
