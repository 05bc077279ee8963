// One start-up of tivora for the window benchmark, run as its own process so
// loading the program and Qt counts: it starts as tivora does up to its shown
// main window and ends as soon as that window is seen, saying when.
#include "app/application.h"
#include "app/start_up.h"
#include "null_platform.h"
#include "window_timing.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    tivora::bench::UseOffscreenWithoutDisplay();
    QApplication app(argc, argv);
    tivora::ConfigureApplication();
    tivora::bench::NullPlatform platform;
    tivora::Application application(platform);
    tivora::frmMain* window = application.showMainWindow();
    tivora::bench::WaitUntilSeen(*window);
    tivora::bench::ReportSeen();
    return 0;
}
