// Figures for the engine and for tivora-cli batch; built with
// -DTIVORA_BENCHMARKS=ON, run as ./build-bench/bench/tivora-bench.
#include "cli/cli.h"
#include "engine/ephemeris.h"

#include <benchmark/benchmark.h>
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

} // namespace

BENCHMARK_MAIN();
