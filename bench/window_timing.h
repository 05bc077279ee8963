#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>

namespace tivora::bench {

// Waits until the window is on the screen and its first paint is done: the
// moment a user sees it. The timeout only guards against a platform that
// never exposes the window.
inline void SettleShown(QWidget& window) {
    QElapsedTimer guard;
    guard.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && guard.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    // The first paint and any deferred deletions are posted events.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Without a display the windows are drawn off-screen.
inline void UseOffscreenWithoutDisplay() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace tivora::bench
