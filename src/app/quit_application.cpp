#include "app/quit_application.h"

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QThread>
#include <QWidget>

namespace tivora {

namespace {

bool quitting = false;

void CloseModalDialogs() {
    // Each close pops one dialog off the modal stack; one that refuses (or
    // stays on top) would otherwise keep us here forever.
    QWidget* previous = nullptr;
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (modal == previous || !modal->close())
            break;
        previous = modal;
    }
}

void CloseTopLevelWindows() {
    // Closing one window may delete or open others: work on guarded copies.
    QList<QPointer<QWidget>> windows;
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    for (QWidget* w : topLevels)
        windows.append(w);
    // Hidden windows were unloaded before and are not closed again.
    for (const QPointer<QWidget>& w : windows)
        if (w && w->isVisible())
            w->close();
}

} // namespace

void QuitApplication() {
    if (quitting || !QCoreApplication::instance())
        return;
    quitting = true;
    CloseModalDialogs();
    CloseTopLevelWindows();
    quitting = false;

    // exit() rather than quit(): Qt's quit() asks every window again and a
    // window that ignores its close would keep the program alive.
    const bool loopRunning = QThread::currentThread()->loopLevel() > 0;
    QCoreApplication::exit(0);
    // exec() clears an earlier exit request, so a call made before the loop
    // starts is repeated once the loop runs.
    if (!loopRunning)
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

} // namespace tivora
