// The floor of the start-up benchmark: a bare Qt program, linked with Qt
// Widgets only, that shows one window and ends as soon as it is seen,
// saying when; given a width and a height, the window has that size.
#include "window_timing.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    tivora::bench::UseOffscreenWithoutDisplay();
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setCentralWidget(new QLabel(QStringLiteral("A bare Qt window")));
    if (argc == 3)
        window.resize(QString::fromLocal8Bit(argv[1]).toInt(),
                      QString::fromLocal8Bit(argv[2]).toInt());
    window.show();
    tivora::bench::WaitUntilSeen(window);
    tivora::bench::ReportSeen();
    return 0;
}
