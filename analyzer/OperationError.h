#pragma once

namespace KD {

// What failed in the last analyzer operation: the operation (1 writing current
// settings, 2 reading current settings, 3 writing a slot, 4 reading a slot,
// 5 moving settings to a slot, 6 moving settings from a slot, 7 mass check of
// a start, 8 starting, 9 stopping), the inner operation or reason, and the
// command code in progress; 0 where none.
class OperationError
{
public:
    OperationError() = default;
    OperationError(int operation, int step, int command)
        : m_operation(operation), m_step(step), m_command(command)
    { }

    void reset() { *this = OperationError(); }

    int operation() const { return m_operation; }
    int step() const { return m_step; }
    int command() const { return m_command; }
    void setOperation(int operation) { m_operation = operation; }
    void setStep(int step) { m_step = step; }
    void setCommand(int command) { m_command = command; }

    bool hasStep() const { return m_step != 0; }
    bool hasCommand() const { return m_command != 0; }

    // A compound operation names the inner operation that failed as its step.
    void setInner(const OperationError& inner)
    {
        m_step = inner.m_operation;
        m_command = inner.m_command;
    }

    bool operator==(const OperationError& o) const
    {
        return m_operation == o.m_operation && m_step == o.m_step && m_command == o.m_command;
    }
    bool operator!=(const OperationError& o) const { return !(*this == o); }

private:
    int m_operation = 0;
    int m_step = 0;
    int m_command = 0;
};

} // namespace KD
