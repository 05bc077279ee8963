#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <ctime>

namespace tivora::bench {

// Waits until the window is on the screen and its first paint is done: the
// moment a user sees it. The expose that shows the window paints it before
// its handling returns; a paint still waiting as a posted update counts too.
// The timeout only guards against a platform that never exposes the window.
inline void WaitUntilSeen(QWidget& window) {
    QElapsedTimer guard;
    guard.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && guard.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

// Runs what follows a window's showing once the user sees it: posted calls,
// timers due now and deferred deletions.
inline void Settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The monotonic clock, which every process on the machine shares.
inline long long MonotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

// A start-up program's last word: the moment its window was seen, for the
// benchmark that started it. What the process does after that, ending
// included, no user waits for.
inline void ReportSeen() {
    std::printf("%lld\n", MonotonicNanoseconds());
    std::fflush(stdout);
}

// Without a display the windows are drawn off-screen.
inline void UseOffscreenWithoutDisplay() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace tivora::bench
