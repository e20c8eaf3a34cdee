#pragma once

class QString;
class QThread;

// For shutting down: quits the thread's event loop and waits for it at most
// `ms`. A thread still busy then is named (`what`) in a warning and left
// running; false tells the caller so, who must not destroy it, since Qt
// aborts the program on the destruction of a running QThread.
bool quitThreadWithin(QThread* thread, int ms, const QString& what);
