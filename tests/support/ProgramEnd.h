#pragma once

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

// Closes the window from a running event loop and tells whether the program
// then ended by itself, as it does when its last window closes, instead of
// being stopped after five seconds.
inline bool programEndsWhenClosed(QWidget* window)
{
    QTimer::singleShot(0, window, &QWidget::close);
    QTimer stillRunning;
    stillRunning.setSingleShot(true);
    QObject::connect(&stillRunning, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    stillRunning.start(5000);
    return QCoreApplication::exec() == 0;
}
