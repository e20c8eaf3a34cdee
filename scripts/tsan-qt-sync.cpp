// Preloaded into the tests by scripts/tsan.sh: tells ThreadSanitizer about
// the synchronisation that happens inside Qt, which is not instrumented.
//
// - QMutex, QBasicMutex, QReadWriteLock, QSemaphore and QWaitCondition calls
//   become acquire and release on the object.
// - Handing work to another thread (a signal, invokeMethod, postEvent,
//   deleteLater, moveToThread) releases one hand-off point, and every event
//   delivered to an object acquires it (and releases it when handled, for a
//   blocking queued call, whose caller acquires it when the call returns). This is coarser than Qt's own
//   per-thread queues, so it can only hide a race, never invent one.
// - Every event handled also releases the handling thread's QThread, and a
//   QThread::wait() that saw the thread end acquires it: what the thread did
//   up to its last event (its objects' deferred deletion included) happens
//   before the join returns. Qt's own join is inside Qt, out of sight.
//
// Each wrapper has the mangled name of the Qt function and calls Qt's own
// through dlvsym(); the program's calls reach the wrapper first.
#include <QtCore/qobjectdefs.h>

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

extern "C" void __tsan_acquire(void* address);
extern "C" void __tsan_release(void* address);

namespace {

char handoff;

void* real(const char* name)
{
    void* function = dlvsym(RTLD_NEXT, name, "Qt_5");
    if (!function) {
        std::fprintf(stderr, "tsan-qt-sync: %s not found\n", name);
        std::abort();
    }
    return function;
}

template <typename F>
F realAs(const char* name)
{
    return reinterpret_cast<F>(real(name));
}

// QDeadlineTimer, passed by value.
struct Deadline
{
    long long t1;
    unsigned t2;
    int type;
};

struct Argument
{
    const char* name;
    const void* data;
};

} // namespace

#define WRAP(ret, mangled, params)                                                                 \
    extern "C" ret mangled params __attribute__((visibility("default")));                          \
    extern "C" ret mangled params

// void f(this): acquire the object once Qt's call has returned.
#define ACQUIRE_AFTER(mangled)                                                                     \
    WRAP(void, mangled, (void* self))                                                              \
    {                                                                                              \
        static auto f = realAs<void (*)(void*)>(#mangled);                                         \
        f(self);                                                                                   \
        __tsan_acquire(self);                                                                      \
    }

// bool f(this, int): acquire the object when Qt's call succeeded.
#define ACQUIRE_IF_TRUE(mangled)                                                                   \
    WRAP(bool, mangled, (void* self, int n))                                                       \
    {                                                                                              \
        static auto f = realAs<bool (*)(void*, int)>(#mangled);                                    \
        const bool done = f(self, n);                                                              \
        if (done)                                                                                  \
            __tsan_acquire(self);                                                                  \
        return done;                                                                               \
    }

// void f(this): release the object before Qt's call.
#define RELEASE_BEFORE(mangled)                                                                    \
    WRAP(void, mangled, (void* self))                                                              \
    {                                                                                              \
        static auto f = realAs<void (*)(void*)>(#mangled);                                         \
        __tsan_release(self);                                                                      \
        f(self);                                                                                   \
    }

// Locks.
ACQUIRE_AFTER(_ZN6QMutex4lockEv)
RELEASE_BEFORE(_ZN6QMutex6unlockEv)
ACQUIRE_AFTER(_ZN11QBasicMutex12lockInternalEv)
RELEASE_BEFORE(_ZN11QBasicMutex14unlockInternalEv)
ACQUIRE_AFTER(_ZN14QReadWriteLock11lockForReadEv)
ACQUIRE_AFTER(_ZN14QReadWriteLock12lockForWriteEv)
RELEASE_BEFORE(_ZN14QReadWriteLock6unlockEv)
ACQUIRE_IF_TRUE(_ZN6QMutex7tryLockEi)
ACQUIRE_IF_TRUE(_ZN11QBasicMutex12lockInternalEi)

// Semaphores.
WRAP(void, _ZN10QSemaphore7acquireEi, (void* self, int n))
{
    static auto f = realAs<void (*)(void*, int)>("_ZN10QSemaphore7acquireEi");
    f(self, n);
    __tsan_acquire(self);
}
ACQUIRE_IF_TRUE(_ZN10QSemaphore10tryAcquireEi)
WRAP(bool, _ZN10QSemaphore10tryAcquireEii, (void* self, int n, int timeout))
{
    static auto f = realAs<bool (*)(void*, int, int)>("_ZN10QSemaphore10tryAcquireEii");
    const bool got = f(self, n, timeout);
    if (got)
        __tsan_acquire(self);
    return got;
}
WRAP(void, _ZN10QSemaphore7releaseEi, (void* self, int n))
{
    static auto f = realAs<void (*)(void*, int)>("_ZN10QSemaphore7releaseEi");
    __tsan_release(self);
    f(self, n);
}

// Wait conditions: the mutex is given up and taken again inside Qt.
WRAP(bool, _ZN14QWaitCondition4waitEP6QMutexm, (void* self, void* mutex, unsigned long ms))
{
    static auto f =
        realAs<bool (*)(void*, void*, unsigned long)>("_ZN14QWaitCondition4waitEP6QMutexm");
    __tsan_release(mutex);
    const bool woken = f(self, mutex, ms);
    __tsan_acquire(mutex);
    __tsan_acquire(self);
    return woken;
}
WRAP(bool, _ZN14QWaitCondition4waitEP6QMutex14QDeadlineTimer,
     (void* self, void* mutex, Deadline deadline))
{
    static auto f = realAs<bool (*)(void*, void*, Deadline)>(
        "_ZN14QWaitCondition4waitEP6QMutex14QDeadlineTimer");
    __tsan_release(mutex);
    const bool woken = f(self, mutex, deadline);
    __tsan_acquire(mutex);
    __tsan_acquire(self);
    return woken;
}
RELEASE_BEFORE(_ZN14QWaitCondition7wakeOneEv)
RELEASE_BEFORE(_ZN14QWaitCondition7wakeAllEv)

// Hand-offs to another thread.
WRAP(void, _ZN11QMetaObject8activateEP7QObjectPKS_iPPv,
     (void* sender, const void* meta, int index, void** args))
{
    static auto f = realAs<void (*)(void*, const void*, int, void**)>(
        "_ZN11QMetaObject8activateEP7QObjectPKS_iPPv");
    __tsan_release(&handoff);
    f(sender, meta, index, args);
}
WRAP(void, _ZN11QMetaObject8activateEP7QObjectiPPv, (void* sender, int index, void** args))
{
    static auto f = realAs<void (*)(void*, int, void**)>("_ZN11QMetaObject8activateEP7QObjectiPPv");
    __tsan_release(&handoff);
    f(sender, index, args);
}
// The call object is shared by a reference count that Qt changes where
// ThreadSanitizer cannot see it, so whichever thread deletes it would seem
// to race the other: one reference more, never dropped, keeps it (a small
// leak, in this build only).
WRAP(
    bool,
    _ZN11QMetaObject16invokeMethodImplEP7QObjectPN9QtPrivate15QSlotObjectBaseEN2Qt14ConnectionTypeEPv,
    (void* object, QtPrivate::QSlotObjectBase* slot, int type, void* ret))
{
    static auto f = realAs<bool (*)(void*, QtPrivate::QSlotObjectBase*, int, void*)>(
        "_ZN11QMetaObject16invokeMethodImplEP7QObjectPN9QtPrivate15QSlotObjectBaseEN2Qt14"
        "ConnectionTypeEPv");
    slot->ref();
    __tsan_release(&handoff);
    const bool invoked = f(object, slot, type, ret);
    __tsan_acquire(&handoff); // a blocking call has run on the other thread
    return invoked;
}
WRAP(
    bool,
    _ZN11QMetaObject12invokeMethodEP7QObjectPKcN2Qt14ConnectionTypeE22QGenericReturnArgument16QGenericArgumentS7_S7_S7_S7_S7_S7_S7_S7_S7_,
    (void* object, const char* member, int type, Argument ret, Argument a0, Argument a1,
     Argument a2, Argument a3, Argument a4, Argument a5, Argument a6, Argument a7, Argument a8,
     Argument a9))
{
    static auto f = realAs<bool (*)(void*, const char*, int, Argument, Argument, Argument, Argument,
                                    Argument, Argument, Argument, Argument, Argument, Argument,
                                    Argument)>(
        "_ZN11QMetaObject12invokeMethodEP7QObjectPKcN2Qt14ConnectionTypeE22QGenericReturnArgument"
        "16QGenericArgumentS7_S7_S7_S7_S7_S7_S7_S7_S7_");
    __tsan_release(&handoff);
    const bool invoked = f(object, member, type, ret, a0, a1, a2, a3, a4, a5, a6, a7, a8, a9);
    __tsan_acquire(&handoff);
    return invoked;
}
WRAP(void, _ZN16QCoreApplication9postEventEP7QObjectP6QEventi,
     (void* receiver, void* event, int priority))
{
    static auto f =
        realAs<void (*)(void*, void*, int)>("_ZN16QCoreApplication9postEventEP7QObjectP6QEventi");
    __tsan_release(&handoff);
    f(receiver, event, priority);
}
WRAP(void, _ZN7QObject11deleteLaterEv, (void* self))
{
    static auto f = realAs<void (*)(void*)>("_ZN7QObject11deleteLaterEv");
    __tsan_release(&handoff);
    f(self);
}
WRAP(void, _ZN7QObject12moveToThreadEP7QThread, (void* self, void* thread))
{
    static auto f = realAs<void (*)(void*, void*)>("_ZN7QObject12moveToThreadEP7QThread");
    __tsan_release(&handoff);
    f(self, thread);
}
WRAP(bool, _ZN7QObject5eventEP6QEvent, (void* self, void* event))
{
    static auto f = realAs<bool (*)(void*, void*)>("_ZN7QObject5eventEP6QEvent");
    static auto currentThread = realAs<void* (*)()>("_ZN7QThread13currentThreadEv");
    __tsan_acquire(&handoff);
    const bool handled = f(self, event);
    // A blocking queued call returns to its caller after this.
    __tsan_release(&handoff);
    __tsan_release(currentThread());
    return handled;
}

// Joining a thread.
WRAP(bool, _ZN7QThread4waitE14QDeadlineTimer, (void* self, Deadline deadline))
{
    static auto f = realAs<bool (*)(void*, Deadline)>("_ZN7QThread4waitE14QDeadlineTimer");
    const bool ended = f(self, deadline);
    if (ended)
        __tsan_acquire(self);
    return ended;
}
WRAP(bool, _ZN7QThread4waitEm, (void* self, unsigned long ms))
{
    static auto f = realAs<bool (*)(void*, unsigned long)>("_ZN7QThread4waitEm");
    const bool ended = f(self, ms);
    if (ended)
        __tsan_acquire(self);
    return ended;
}
