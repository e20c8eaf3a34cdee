#pragma once

#include "analyzer/OperationError.h"

#include <QObject>

namespace KD {
namespace Communication {

class NDryer;

// Copies the current parameters into a stored slot (107) or a stored slot into
// the current parameters (108). Slot indexes count from 0; the wire from 1.
class SlotMover : public QObject
{
    Q_OBJECT
public:
    explicit SlotMover(NDryer* dryer, QObject* parent = nullptr);

    void moveToSlot(int slotIndex);
    void moveFromSlot(int slotIndex);
    void abort();
    OperationError errorInfo() const { return m_error; }

signals:
    void finished(bool success);

private slots:
    void commandCallback(int result, int command);

private:
    void move(bool toSlot, int slotIndex);
    void fail();
    void listen(bool on);
    int expectedCode() const;

    bool m_toSlot = false;
    OperationError m_error;
    NDryer* m_dryer;
    bool m_listening = false;
};

} // namespace Communication
} // namespace KD
