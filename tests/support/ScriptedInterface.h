#pragma once

#include "tests/support/MemoryInterface.h"

#include <functional>

// A memory transport that plays the device: every written text is shown to
// a script, and what the script returns is fed back as the device's answer
// on the next turn of the event loop (empty: no answer).
class ScriptedInterface : public MemoryInterface
{
    Q_OBJECT

public:
    using Script = std::function<QByteArray(const QByteArray& written)>;

    explicit ScriptedInterface(QObject* parent = nullptr) : MemoryInterface(parent) { }

    void setScript(Script script) { m_script = std::move(script); }
    bool writeBytes(QByteArray bytes) override;

private:
    Script m_script;
};
