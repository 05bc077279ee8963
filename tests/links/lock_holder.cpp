// A second copy of the program as far as the single-instance lock is
// concerned: it runs the start-up check on the lock path given (or the
// default one) and reports on stdout. While it holds the lock it waits until
// its stdin closes, or until it is killed.
#include "links/single_instance.h"
#include "support/fake_platform.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    tivora::SingleInstanceGuard guard(
        args.size() > 1 ? args.at(1) : tivora::SingleInstanceGuard::DefaultLockPath());
    tivora::test::FakePlatform platform;
    const bool refused = tivora::RefuseSecondInstance(platform, guard);

    QTextStream out(stdout);
    out << (refused ? "refused" : "running") << '\n';
    for (const auto& shown : platform.messages)
        out << "message:" << shown.text << ':' << int(shown.icon) << ':' << int(shown.buttons)
            << '\n';
    out.flush();
    if (refused)
        return 3;

    // Hold the lock until the test lets go of us.
    char buffer[64];
    while (std::fread(buffer, 1, sizeof buffer, stdin) > 0) {
    }
    return 0;
}
