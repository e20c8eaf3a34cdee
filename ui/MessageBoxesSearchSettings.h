#pragma once

#include "ui/IMessageBoxesSearchSettings.h"

struct MessageBoxContext;

namespace Common {

class MessageBoxesSearchSettings : public IMessageBoxesSearchSettings
{
public:
    explicit MessageBoxesSearchSettings(MessageBoxContext* context);
    void showNoBaudRate() override;
    void showNoSearchMode() override;

private:
    MessageBoxContext* m_context;
};

} // namespace Common
