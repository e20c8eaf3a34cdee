#pragma once

namespace KD {

// Tells the user that the set chosen from the database could not be loaded.
class ICouldNotLoadFromDbMessageBox
{
public:
    virtual ~ICouldNotLoadFromDbMessageBox() = default;
    virtual void show() = 0;
};

} // namespace KD
