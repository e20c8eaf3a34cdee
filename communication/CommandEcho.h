#pragma once

#include "communication/Command.h"

namespace Common {
namespace Communication {

// Waits for one expected reply line; up to `limit` other lines are left to
// others before the echo gives up (with 0 or 1 the first one fails it).
class CommandEcho : public Command
{
    Q_OBJECT

public:
    explicit CommandEcho(QObject* parent = nullptr);
    CommandEcho(int limit, QObject* parent);

    bool handleLine(QString line) override;
    virtual bool isMatch(QString line) = 0;

    bool isMatched() const { return m_matched; }
    bool gotReply() const { return m_gotReply; }

private:
    int m_limit = 0;
    int m_linesSeen = 0;
    bool m_matched = false;
    bool m_gotReply = false;
};

} // namespace Communication
} // namespace Common
