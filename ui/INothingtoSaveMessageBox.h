#pragma once

namespace Common {

class INothingtoSaveMessageBox
{
public:
    virtual ~INothingtoSaveMessageBox() = default;
    virtual void showNothingToSave() = 0;
};

} // namespace Common
