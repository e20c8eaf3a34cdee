#pragma once

namespace KD {

// The main window as its controller knows it.
class IMainWindow
{
public:
    virtual ~IMainWindow() = default;
};

} // namespace KD
