#pragma once

#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <type_traits>

// Runs f on the thread of obj and waits for it: tests read and drive objects
// that live on the communication thread without racing it. Also a barrier:
// everything queued to that thread before has run when it returns.
template <typename F>
auto onThread(QObject* obj, F f) -> decltype(f())
{
    if (obj->thread() == QThread::currentThread())
        return f();
    if constexpr (std::is_void_v<decltype(f())>) {
        QMetaObject::invokeMethod(obj, f, Qt::BlockingQueuedConnection);
    } else {
        decltype(f()) result{};
        QMetaObject::invokeMethod(
            obj, [&] { result = f(); }, Qt::BlockingQueuedConnection);
        return result;
    }
}
