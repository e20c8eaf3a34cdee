#include "communication/LineSplitter.h"

#include "communication/ILineReceiver.h"

#include <utility>

namespace {
const QLatin1String kLineEnd("\r\n");
}

LineSplitter::LineSplitter(Common::ILineReceiver* receiver) : m_receiver(receiver) { }

void LineSplitter::process(QString& buffer)
{
    int end = buffer.indexOf(kLineEnd);
    if (end < 0)
        return;
    // The rest goes back into the buffer before any line is handed on, so
    // a receiver that makes the owner read more appends in the right place.
    const int rest = end + kLineEnd.size();
    if (buffer.isDetached() && buffer.indexOf(kLineEnd, rest) < 0) {
        // One line, as most reads of a device end: the buffer keeps its room
        // for the next read instead of becoming a new string.
        QString line = buffer.left(end);
        buffer.remove(0, rest);
        m_receiver->onLine(std::move(line));
        return;
    }
    const QString text = buffer;
    buffer = text.mid(text.lastIndexOf(kLineEnd) + kLineEnd.size());
    int start = 0;
    while (end >= 0) {
        m_receiver->onLine(text.mid(start, end - start));
        start = end + kLineEnd.size();
        end = text.indexOf(kLineEnd, start);
    }
}
