// Figures for the engine, for tivora-cli batch and for the birthplace atlas;
// built with -DTIVORA_BENCHMARKS=ON, run as ./build-bench/bench/tivora-bench.
#include "atlas/atlas.h"
#include "cli/cli.h"
#include "engine/ephemeris.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>

namespace {

void BM_CalculateAscendant(benchmark::State& state) {
    std::mt19937 random(42);
    std::vector<tivora::ChartRecord> births(1024);
    for (auto& c : births) {
        c.BirthMonth = static_cast<std::int16_t>(1 + random() % 12);
        c.BirthDay = static_cast<std::int16_t>(1 + random() % 28);
        c.BirthYear = static_cast<std::int16_t>(1901 + random() % 150);
        c.BirthHour = static_cast<std::int16_t>(random() % 24);
        c.BirthMinute = static_cast<std::int16_t>(random() % 60);
        c.ZoneHours = static_cast<std::int16_t>(random() % 13);
        c.ZoneMinutes = static_cast<std::int16_t>(random() % 2 * 30);
        c.LonDegrees = static_cast<std::int16_t>(random() % 180);
        c.LonMinutes = static_cast<std::int16_t>(random() % 60);
        c.LatDegrees = static_cast<std::int16_t>(random() % 66);
        c.LatMinutes = static_cast<std::int16_t>(random() % 60);
        c.IsEast = random() % 2;
        c.IsSouth = random() % 2;
        c.IsDST = random() % 2;
    }
    std::size_t i = 0;
    for (auto _ : state) {
        tivora::ChartRecord& c = births[i++ & 1023];
        tivora::CalculateAscendant(c);
        benchmark::DoNotOptimize(c.AscendantText.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CalculateAscendant);

std::string GeneratedBatch(int rows) {
    std::mt19937 random(7);
    std::string csv = "Id,BirthName,BirthMonth,BirthDay,BirthYear,BirthHour,BirthMinute,"
                      "ZoneHours,ZoneMinutes,LonDegrees,LonMinutes,LatDegrees,LatMinutes,"
                      "IsEast,IsSouth,IsDST\n";
    for (int r = 0; r < rows; ++r) {
        csv += std::to_string(r) + ",Person " + std::to_string(r) + "," +
               std::to_string(1 + random() % 12) + "," + std::to_string(1 + random() % 28) + "," +
               std::to_string(1901 + random() % 150) + "," + std::to_string(random() % 24) + "," +
               std::to_string(random() % 60) + "," + std::to_string(random() % 13) + ",30," +
               std::to_string(random() % 180) + "," + std::to_string(random() % 60) + "," +
               std::to_string(random() % 66) + "," + std::to_string(random() % 60) + "," +
               std::to_string(random() % 2) + "," + std::to_string(random() % 2) + "," +
               std::to_string(random() % 2) + "\n";
    }
    return csv;
}

// Discards what it is given, as writing to /dev/null would.
class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void BM_Batch(benchmark::State& state) {
    const std::string csv = GeneratedBatch(static_cast<int>(state.range(0)));
    NullBuffer null;
    std::ostream out(&null);
    std::ostringstream err;
    for (auto _ : state) {
        std::istringstream in(csv);
        benchmark::DoNotOptimize(tivora::cli::RunCli({"batch", "-"}, in, out, err));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Batch)->Arg(100000)->Unit(benchmark::kMillisecond);

const std::shared_ptr<const tivora::atlas::Atlas>& LoadedAtlas() {
    static const auto atlas = tivora::atlas::Atlas::load(tivora::atlas::AtlasDataPath());
    return atlas;
}

void BM_AtlasLoad(benchmark::State& state) {
    const QString path = tivora::atlas::AtlasDataPath();
    for (auto _ : state) {
        auto atlas = tivora::atlas::Atlas::load(path);
        benchmark::DoNotOptimize(atlas.get());
    }
}
BENCHMARK(BM_AtlasLoad)->Unit(benchmark::kMillisecond);

// One keystroke: the town typed so far (state.range(0) characters, 3 meaning
// three or more), best ten shown, as the completer asks.
void BM_AtlasSearch(benchmark::State& state) {
    const auto& atlas = LoadedAtlas();
    const char* towns[] = {"London",   "Mumbai",  "Springfield", "Sao Paulo", "Berlin",
                           "New York", "Karachi", "Sydney",      "Moscow",    "Tokyo",
                           "Lagos",    "Chicago", "Munich",      "Calcutta",  "Mexico City",
                           "Toronto",  "Cairo",   "Paris",       "Madrid",    "Dhaka"};
    std::vector<QString> queries;
    for (const char* town : towns) {
        const QString name = QString::fromLatin1(town);
        if (state.range(0) < 3) {
            queries.push_back(name.left(static_cast<int>(state.range(0))));
        } else {
            for (int n = 3; n <= name.size(); ++n)
                queries.push_back(name.left(n));
        }
    }
    std::size_t i = 0;
    for (auto _ : state) {
        auto found = atlas->search(queries[i++ % queries.size()], 10);
        benchmark::DoNotOptimize(found.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AtlasSearch)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

// One-letter searches with a country: these scan the keys.
void BM_AtlasSearchWithCountry(benchmark::State& state) {
    const auto& atlas = LoadedAtlas();
    const QString queries[] = {QStringLiteral("s, US"), QStringLiteral("m, India"),
                               QStringLiteral("b, DE"), QStringLiteral("lo, GB")};
    std::size_t i = 0;
    for (auto _ : state) {
        auto found = atlas->search(queries[i++ % 4], 10);
        benchmark::DoNotOptimize(found.data());
    }
}
BENCHMARK(BM_AtlasSearchWithCountry)->Unit(benchmark::kMicrosecond);

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    // Memory first, before any benchmark has loaded the atlas.
    const long before = ResidentKilobytes();
    const auto& atlas = LoadedAtlas();
    const long after = ResidentKilobytes();
    if (!atlas) {
        std::cerr << "The atlas did not load from " << tivora::atlas::AtlasDataPath().toStdString()
                  << "\n";
        return 1;
    }
    std::cout << "Atlas: " << atlas->size() << " places; resident memory " << before / 1024
              << " MB before loading, " << after / 1024 << " MB after (+"
              << (after - before) / 1024.0 << " MB)\n";
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
