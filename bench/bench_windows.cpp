// Figures for the windows, each beside its floor measured in the same run:
// Calculate until the result window is seen, against a bare Qt program
// switching to a second window; start-up until the main window is seen,
// against a bare Qt program's start-up. The counters give the median of each
// ("median_ms", "floor_ms") and their ratio; each also against a bare
// window of the same size as the program's. Run under a display
// (xvfb-run -a ./tivora-bench) for a desktop's figures: off-screen windows
// cost next to nothing to show, so the floors shrink and the ratios grow.
#include "app/application.h"
#include "null_platform.h"
#include "support/sample_births.h"
#include "window_timing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace {

using tivora::bench::Settle;
using tivora::bench::WaitUntilSeen;

QApplication& App() {
    static int argc = 1;
    static char name[] = "tivora-bench";
    static char* argv[] = {name, nullptr};
    tivora::bench::UseOffscreenWithoutDisplay();
    // Lives until the process ends, as the benchmarks' windows need it.
    static auto* app = new QApplication(argc, argv);
    return *app;
}

// Far less than anyone takes to enter a birth.
constexpr std::chrono::milliseconds kEnteringBirth{250};

// Each switch starts as a user's does: after a pause in which the program
// may get on with its own work and the machine falls idle.
void PauseAsAUserWould() {
    QEventLoop pause;
    QTimer::singleShot(kEnteringBirth, &pause, &QEventLoop::quit);
    pause.exec();
    Settle();
}

QMainWindow* BareWindow(const QString& text) {
    auto* window = new QMainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setCentralWidget(new QLabel(text));
    return window;
}

// A bare Qt program going from one shown window to a second, of its own
// size or of the size given, until the second is seen. The first is closed
// as a plain program would: deleted as soon as its event loop gets there,
// before the second window's paint comes back from the display.
double BareWindowSwitchSeconds(const QSize& size = QSize()) {
    QMainWindow* first = BareWindow(QStringLiteral("First"));
    first->show();
    WaitUntilSeen(*first);
    PauseAsAUserWould();
    QElapsedTimer timer;
    timer.start();
    QMainWindow* second = BareWindow(QStringLiteral("Second"));
    if (size.isValid())
        second->resize(size);
    second->show();
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    WaitUntilSeen(*second);
    const double seconds = timer.nsecsElapsed() * 1e-9;
    Settle();
    second->close();
    Settle();
    return seconds;
}

// Calculate in a shown main window until the result window is seen and the
// main window hidden; then Back, as a user would, for the next round.
double CalculateToResultSeconds(tivora::Application& application, QSize* shownSize = nullptr) {
    tivora::frmMain* main = application.showMainWindow();
    main->setEntry(tivora::test::DelhiEntry());
    WaitUntilSeen(*main);
    PauseAsAUserWould();
    QElapsedTimer timer;
    timer.start();
    main->cmdCalculate_Click();
    tivora::frmResult* result = application.resultWindow();
    WaitUntilSeen(*result);
    const double seconds = timer.nsecsElapsed() * 1e-9;
    Settle();
    if (shownSize)
        *shownSize = result->size();
    result->findChild<QPushButton*>(QStringLiteral("cmdBack"))->click();
    Settle();
    return seconds;
}

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// Medians, as the machine may be busy with other work now and then; the
// rounds interleave the program and its floors, so all see the same
// conditions.
void ReportRatio(benchmark::State& state, const std::vector<double>& measured,
                 const std::vector<double>& floor, const std::vector<double>& sameSize) {
    const double floorMedian = Median(floor);
    state.counters["median_ms"] = Median(measured) * 1e3;
    state.counters["floor_ms"] = floorMedian * 1e3;
    state.counters["ratio"] = floorMedian > 0 ? Median(measured) / floorMedian : 0;
    state.counters["same_size_floor_ms"] = Median(sameSize) * 1e3;
    state.counters["same_size_ratio"] = Median(measured) / Median(sameSize);
}

void BM_CalculateToResultShown(benchmark::State& state) {
    App();
    tivora::bench::NullPlatform platform;
    tivora::Application application(platform);
    // Fonts, styles and pictures are loaded once per run in both programs.
    BareWindowSwitchSeconds();
    // Under X most of the time goes into the window's pixels, which grow with
    // its size: a bare window as large as the result window shows how much.
    QSize resultSize;
    CalculateToResultSeconds(application, &resultSize);
    std::vector<double> measured;
    std::vector<double> floor;
    std::vector<double> sameSize;
    for (auto _ : state) {
        floor.push_back(BareWindowSwitchSeconds());
        sameSize.push_back(BareWindowSwitchSeconds(resultSize));
        const double seconds = CalculateToResultSeconds(application);
        measured.push_back(seconds);
        state.SetIterationTime(seconds);
    }
    ReportRatio(state, measured, floor, sameSize);
}
BENCHMARK(BM_CalculateToResultShown)
    ->UseManualTime()
    ->Iterations(60)
    ->Unit(benchmark::kMillisecond);

// From starting the program until it reports its window seen.
double StartupSeconds(const QString& program, const QStringList& arguments = {}) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const long long started = tivora::bench::MonotonicNanoseconds();
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return 0;
    bool ok = false;
    const long long seen = process.readAllStandardOutput().trimmed().toLongLong(&ok);
    return ok && seen > started ? (seen - started) * 1e-9 : 0;
}

void BM_StartupToMainWindowShown(benchmark::State& state) {
    const QString folder = App().applicationDirPath();
    const QString bare = folder + QStringLiteral("/tivora-bench-bare");
    const QString program = folder + QStringLiteral("/tivora-bench-startup");
    // The first runs bring the files into the page cache.
    StartupSeconds(bare);
    StartupSeconds(program);
    // The bare window again at the main window's size, as with Calculate.
    QStringList mainSize;
    {
        tivora::bench::NullPlatform platform;
        tivora::Application application(platform);
        const QSize size = application.showMainWindow()->size();
        mainSize = QStringList{QString::number(size.width()), QString::number(size.height())};
        application.mainWindow()->hide();
    }
    std::vector<double> measured;
    std::vector<double> floor;
    std::vector<double> sameSize;
    for (auto _ : state) {
        floor.push_back(StartupSeconds(bare));
        sameSize.push_back(StartupSeconds(bare, mainSize));
        const double seconds = StartupSeconds(program);
        if (seconds == 0) {
            state.SkipWithError("the start-up program failed");
            break;
        }
        measured.push_back(seconds);
        state.SetIterationTime(seconds);
    }
    ReportRatio(state, measured, floor, sameSize);
}
BENCHMARK(BM_StartupToMainWindowShown)
    ->UseManualTime()
    ->Iterations(60)
    ->Unit(benchmark::kMillisecond);

} // namespace
