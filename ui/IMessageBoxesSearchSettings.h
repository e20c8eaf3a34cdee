#pragma once

namespace Common {

class IMessageBoxesSearchSettings
{
public:
    virtual ~IMessageBoxesSearchSettings() = default;
    virtual void showNoBaudRate() = 0;
    virtual void showNoSearchMode() = 0;
};

} // namespace Common
