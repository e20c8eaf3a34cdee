#include "tests/support/ScriptedInterface.h"

#include <QTimer>

bool ScriptedInterface::writeBytes(QByteArray bytes)
{
    if (!MemoryInterface::writeBytes(bytes))
        return false;
    const QByteArray answer = m_script ? m_script(bytes) : QByteArray();
    if (!answer.isEmpty())
        QTimer::singleShot(0, this, [this, answer] { feed(answer); });
    return true;
}
