#pragma once

namespace Common {

class IClearDataMessageBox
{
public:
    virtual ~IClearDataMessageBox() = default;
    // True when the user agrees to clear the data.
    virtual bool askClearData() = 0;
};

} // namespace Common
