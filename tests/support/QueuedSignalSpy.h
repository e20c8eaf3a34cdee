#pragma once

#include <QList>
#include <QObject>
#include <QTest>
#include <QVariant>

// Records a signal of an object on another thread, like QSignalSpy, but on
// the thread that creates it: each emission reaches it queued, so the test
// reads what has arrived without racing the emitting thread. The argument
// types must be registered meta-types.
class QueuedSignalSpy : public QObject, public QList<QList<QVariant>>
{
public:
    template <typename Object, typename Sender, typename... Args>
    QueuedSignalSpy(Object* sender, void (Sender::*signal)(Args...))
    {
        connect(
            sender, signal, this,
            [this](Args... args) { append(QList<QVariant>{QVariant::fromValue(args)...}); },
            Qt::QueuedConnection);
    }

    // True once a new emission has arrived within `ms`.
    bool wait(int ms = 5000)
    {
        const int before = size();
        return QTest::qWaitFor([&] { return size() > before; }, ms);
    }
};
