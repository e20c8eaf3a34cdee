#pragma once

#include "analyzer/IStartType.h"

namespace KD {
namespace Communication {

class StartType : public IStartType
{
public:
    bool isProgramStart() const override { return m_type == Program; }
    bool isDeviceStart() const override { return m_type == Device; }
    void setProgramStart() { m_type = Program; }
    void setDeviceStart() { m_type = Device; }

private:
    enum : int { Program = 0, Device = 1 };
    int m_type = Program;
};

} // namespace Communication
} // namespace KD
