#pragma once

#include <QMetaObject>
#include <QObject>
#include <QSemaphore>
#include <QThread>

#include <type_traits>

// Runs f on the thread of obj and waits for it: tests read and drive objects
// that live on the communication thread without racing it. Also a barrier:
// everything queued to that thread before has run when it returns.
//
// A queued call and a semaphore of its own rather than a blocking queued
// call: the call object then dies on obj's thread, and the hand-back is a
// semaphore that ThreadSanitizer sees.
template <typename F>
auto onThread(QObject* obj, F f) -> decltype(f())
{
    if (obj->thread() == QThread::currentThread())
        return f();
    QSemaphore done;
    if constexpr (std::is_void_v<decltype(f())>) {
        QMetaObject::invokeMethod(
            obj,
            [&] {
                f();
                done.release();
            },
            Qt::QueuedConnection);
        done.acquire();
    } else {
        decltype(f()) result{};
        QMetaObject::invokeMethod(
            obj,
            [&] {
                result = f();
                done.release();
            },
            Qt::QueuedConnection);
        done.acquire();
        return result;
    }
}
