#pragma once

#include <QString>

namespace Common {
class ILineReceiver;
}

// Cuts a growing text buffer at every CR LF. A lone CR or LF stays inside
// the line; empty lines are handed on too.
class LineSplitter
{
public:
    explicit LineSplitter(Common::ILineReceiver* receiver);

    // Hands every complete line to the receiver and leaves the unfinished
    // rest in the buffer.
    void process(QString& buffer);

private:
    Common::ILineReceiver* m_receiver;
};
