// The City box's first suggestions for the atlas benchmark, run as its own
// process so the atlas is not loaded yet: the main window is shown, the user
// goes to City and types two letters at once. Prints the milliseconds from
// the first keystroke until the suggestions are seen, then the same for a
// second town once the atlas is in (the floor).
#include "app/application.h"
#include "app/start_up.h"
#include "null_platform.h"
#include "window_timing.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <cstdio>

namespace {

double SuggestionsMilliseconds(QLineEdit& city, QCompleter& completer, const QString& typed) {
    city.clear();
    city.setFocus();
    QElapsedTimer timer;
    timer.start();
    for (const QChar c : typed) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(&city, &press);
    }
    while (!completer.popup()->isVisible() && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    completer.popup()->hide();
    return completer.completionModel()->rowCount() > 0 ? ms : -1;
}

} // namespace

int main(int argc, char* argv[]) {
    tivora::bench::UseOffscreenWithoutDisplay();
    QApplication app(argc, argv);
    tivora::ConfigureApplication();
    tivora::bench::NullPlatform platform;
    tivora::Application application(platform);
    tivora::frmMain* window = application.showMainWindow();
    tivora::bench::WaitUntilSeen(*window);
    tivora::bench::Settle();
    auto* city = window->findChild<QLineEdit*>(QStringLiteral("txtMCity"));
    auto* completer = window->findChild<QCompleter*>();
    if (!city || !completer)
        return 1;
    const double first = SuggestionsMilliseconds(*city, *completer, QStringLiteral("Mu"));
    const double loaded = SuggestionsMilliseconds(*city, *completer, QStringLiteral("Lo"));
    std::printf("%f %f\n", first, loaded);
    return first < 0 || loaded < 0;
}
