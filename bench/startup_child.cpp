// One start-up for the window benchmark, run as its own process so Qt's own
// start-up counts: "bare" shows a bare Qt window, "program" starts as tivora
// does up to its shown main window. Each ends as soon as its window is seen.
#include "app/application.h"
#include "null_platform.h"
#include "reading/sign_pictures.h"
#include "window_timing.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <cstring>

int main(int argc, char* argv[]) {
    if (argc < 2)
        return 2;
    tivora::bench::UseOffscreenWithoutDisplay();
    QApplication app(argc, argv);
    if (std::strcmp(argv[1], "bare") == 0) {
        QMainWindow window;
        window.setWindowTitle(QStringLiteral("Bare"));
        window.setCentralWidget(new QLabel(QStringLiteral("A bare Qt window")));
        window.show();
        tivora::bench::SettleShown(window);
        return 0;
    }
    // As tivora's main() does before its event loop.
    QApplication::setOrganizationName(QStringLiteral("Tivora"));
    QApplication::setApplicationName(QStringLiteral("Tivora"));
    QApplication::setWindowIcon(tivora::ProgramIcon());
    QApplication::setQuitOnLastWindowClosed(false);
    tivora::bench::NullPlatform platform;
    tivora::Application application(platform);
    tivora::frmMain* window = application.showMainWindow();
    tivora::bench::SettleShown(*window);
    return 0;
}
