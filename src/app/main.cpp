#include "app/application.h"
#include "app/qt_platform.h"
#include "app/start_up.h"
#include "links/advert_draw.h"
#include "links/single_instance.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// Qt aborts with a toolkit message when it finds no display; say plainly
// what to do instead.
bool DisplayAvailable() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char* argv[]) {
    if (!DisplayAvailable()) {
        // Named as it was started: ./build/tivora from the build, tivora
        // when installed.
        std::fprintf(stderr,
                     "tivora: no display found. Run it on a desktop, or under a virtual display: "
                     "xvfb-run -a %s\n",
                     argc > 0 && argv[0] && *argv[0] ? argv[0] : "tivora");
        return 1;
    }
    QApplication app(argc, argv);
    tivora::ConfigureApplication();

    tivora::QtPlatform platform;
    tivora::Application application(platform);
    tivora::SingleInstanceGuard instance;
    const double draw = tivora::ClockSeededRandom(platform.now()).next();
    if (!tivora::StartProgram(platform, application, instance, draw))
        return 0; // a second copy, which said so
    return app.exec();
}
