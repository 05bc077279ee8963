// The atlas's three figures, each beside its floor measured in the same run:
// a whole `tivora-cli places Mumbai --limit 1` against `tivora-cli --help`
// (time and resident memory), the City box's first suggestions after
// start-up against a later town's, and a batch of 50,000 rows naming places
// against the same rows with zones and coordinates given.
#include "atlas/atlas.h"
#include "atlas/zone_offset.h"
#include "cli/cli.h"

#include <QProcess>
#include <QString>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <fcntl.h>
#include <random>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct ProcessRun {
    double seconds = 0;
};

// One whole run of tivora-cli, its output thrown away.
ProcessRun RunCli(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    std::string program = TIVORA_CLI;
    argv.push_back(program.data());
    std::vector<std::string> copies = arguments;
    for (std::string& a : copies)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto started = std::chrono::steady_clock::now();
    pid_t pid = 0;
    ProcessRun run;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        run.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            run.seconds = 0;
    }
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

// The peak resident memory of one run, in megabytes, as /usr/bin/time sees
// it: the run's own figure, which a process started from this large one
// would not give (its start counts this process's memory as its own).
double PeakMegabytes(const std::vector<std::string>& arguments) {
    QStringList args{QStringLiteral("-f"), QStringLiteral("%M"), QStringLiteral(TIVORA_CLI)};
    for (const std::string& a : arguments)
        args << QString::fromStdString(a);
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(QStringLiteral("/usr/bin/time"), args);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return -1;
    const QList<QByteArray> lines = process.readAllStandardError().trimmed().split('\n');
    return lines.isEmpty() ? -1 : lines.back().toDouble() / 1024;
}

void BM_PlacesLookupProcess(benchmark::State& state) {
    const std::vector<std::string> help{"--help"};
    const std::vector<std::string> lookup{"places", "Mumbai", "--limit", "1"};
    RunCli(help); // the files into the page cache
    RunCli(lookup);
    std::vector<double> measured, floor, memory, floorMemory;
    for (auto _ : state) {
        const ProcessRun h = RunCli(help);
        const ProcessRun l = RunCli(lookup);
        if (h.seconds == 0 || l.seconds == 0) {
            state.SkipWithError("tivora-cli failed");
            break;
        }
        floor.push_back(h.seconds);
        floorMemory.push_back(PeakMegabytes(help));
        measured.push_back(l.seconds);
        memory.push_back(PeakMegabytes(lookup));
        state.SetIterationTime(l.seconds);
    }
    state.counters["median_ms"] = Median(measured) * 1e3;
    state.counters["floor_ms"] = Median(floor) * 1e3;
    state.counters["ratio"] = Median(floor) > 0 ? Median(measured) / Median(floor) : 0;
    state.counters["rss_MB"] = Median(memory);
    state.counters["rss_above_floor_MB"] = Median(memory) - Median(floorMemory);
}
BENCHMARK(BM_PlacesLookupProcess)->UseManualTime()->Iterations(30)->Unit(benchmark::kMillisecond);

void BM_CityBoxFirstSuggestions(benchmark::State& state) {
    std::vector<double> measured, floor;
    for (auto _ : state) {
        QProcess process;
        process.start(QStringLiteral(TIVORA_BENCH_CITY), {});
        const QStringList figures =
            process.waitForFinished(30000) && process.exitCode() == 0
                ? QString::fromLatin1(process.readAllStandardOutput()).split(QLatin1Char(' '))
                : QStringList();
        if (figures.size() != 2) {
            state.SkipWithError("the City box program failed");
            break;
        }
        measured.push_back(figures[0].toDouble());
        floor.push_back(figures[1].toDouble());
        state.SetIterationTime(measured.back() / 1e3);
    }
    state.counters["median_ms"] = Median(measured);
    state.counters["floor_ms"] = Median(floor);
    state.counters["ratio"] = Median(floor) > 0 ? Median(measured) / Median(floor) : 0;
    state.counters["target_ms"] = 50;
}
BENCHMARK(BM_CityBoxFirstSuggestions)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

// 50,000 births in twenty towns: once by the towns' names, once by their
// zones and coordinates.
std::pair<std::string, std::string> PlaceBatches() {
    const char* towns[] = {"London, GB", "Mumbai",     "Springfield IL", "Berlin, DE", "New York",
                           "Tokyo",      "Sydney NSW", "Paris, FR",      "Chicago",    "Toronto",
                           "Moscow",     "Delhi",      "Cairo",          "Lagos",      "Madrid, ES",
                           "Munich",     "Zurich",     "Pune",           "Hope AR",    "Duluth MN"};
    const auto atlas = tivora::atlas::Atlas::load(tivora::atlas::AtlasDataPath());
    std::vector<tivora::atlas::Place> places;
    for (const char* town : towns)
        places.push_back(atlas->search(QString::fromUtf8(town), 1).front());
    std::mt19937 random(11);
    std::string named = "BirthName,BirthMonth,BirthDay,BirthYear,BirthHour,BirthMinute,Place\n";
    std::string given = "BirthName,BirthMonth,BirthDay,BirthYear,BirthHour,BirthMinute,"
                        "LonDegrees,LonMinutes,LatDegrees,LatMinutes,IsEast,IsSouth,TimeZone\n";
    for (int r = 0; r < 50000; ++r) {
        const std::size_t t = random() % places.size();
        // Away from the hours the clocks change at.
        const std::string birth =
            "P" + std::to_string(r) + "," + std::to_string(1 + random() % 12) + "," +
            std::to_string(1 + random() % 28) + "," + std::to_string(1950 + random() % 70) + "," +
            std::to_string(6 + random() % 12) + "," + std::to_string(random() % 60);
        named += birth + ",\"" + towns[t] + "\"\n";
        const tivora::atlas::DegreesMinutes lon =
            tivora::atlas::ToDegreesMinutes(places[t].longitude);
        const tivora::atlas::DegreesMinutes lat =
            tivora::atlas::ToDegreesMinutes(places[t].latitude);
        given += birth + "," + std::to_string(lon.degrees) + "," + std::to_string(lon.minutes) +
                 "," + std::to_string(lat.degrees) + "," + std::to_string(lat.minutes) + "," +
                 (lon.positive ? "1" : "0") + "," + (lat.positive ? "0" : "1") + "," +
                 places[t].timeZone.toStdString() + "\n";
    }
    return {named, given};
}

double BatchSeconds(const std::string& csv) {
    std::istringstream in(csv);
    std::ostringstream out, err;
    const auto started = std::chrono::steady_clock::now();
    tivora::cli::RunCli({"batch", "-"}, in, out, err);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
}

void BM_BatchNamingPlaces(benchmark::State& state) {
    static const auto batches = PlaceBatches();
    BatchSeconds(batches.first); // the atlas and the zones made once, as in one run of the CLI
    std::vector<double> measured, floor;
    for (auto _ : state) {
        floor.push_back(BatchSeconds(batches.second));
        measured.push_back(BatchSeconds(batches.first));
        state.SetIterationTime(measured.back());
    }
    state.counters["median_ms"] = Median(measured) * 1e3;
    state.counters["floor_ms"] = Median(floor) * 1e3;
    state.counters["ratio"] = Median(floor) > 0 ? Median(measured) / Median(floor) : 0;
}
BENCHMARK(BM_BatchNamingPlaces)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace
