#pragma once

namespace KD {

// Told by the drying controller that a settings read it asked for has ended
// (on success and on failure; the controller's lastLoadOk() says which).
class ISettingNotifiable
{
public:
    virtual ~ISettingNotifiable() = default;
    virtual void settingsChanged() = 0;
};

} // namespace KD
