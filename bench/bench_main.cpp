// Figures for the engine, for tivora-cli batch and for the birthplace atlas;
// built with -DTIVORA_BENCHMARKS=ON, run as ./build-bench/bench/tivora-bench.
#include "atlas/atlas.h"
#include "cli/cli.h"
#include "cli/csv.h"
#include "engine/ephemeris.h"
#include "signs/sign_tables.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#ifdef TIVORA_BENCH_SWISS_EPHEMERIS
#include <swephexp.h>
#endif
#include <charconv>
#include <chrono>
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

// The floor of the batch: a plain loop over the same generated rows (plain
// digits, no quotes, every row valid) that writes byte-identical output with
// the same engine, and checks nothing the generator already guarantees.
class PlainBatch {
public:
    PlainBatch() {
        for (const char* sign :
             {"Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"}) {
            tivora::SignInformation info;
            tivora::SelectSignInformation(sign, info);
            std::string columns;
            for (const tivora::SignField& field : tivora::SignTables()) {
                columns += ',';
                tivora::cli::AppendCsvField(columns, info.*field.member);
            }
            columns_.emplace_back(sign, std::move(columns));
        }
    }

    // ascendant fills the chart's Ascendant and AscendantText from its
    // birth data.
    template <typename Ascendant>
    void run(const std::string& csv, std::string& out, Ascendant ascendant) const {
        out.clear();
        std::size_t at = csv.find('\n');
        out.append(csv, 0, at);
        out += ",Ascendant,AscendantText,LagnaSign,Message";
        for (const tivora::SignField& field : tivora::SignTables()) {
            out += ',';
            out += field.name;
        }
        out += "\r\n";
        tivora::ChartRecord c;
        for (++at; at < csv.size();) {
            const std::size_t end = csv.find('\n', at);
            const char* cell = csv.data() + at;
            out.append(cell, end - at);
            out += ',';
            std::int16_t values[16];
            std::size_t n = 0;
            for (const char* p = cell; n < 16; ++p) {
                // Cell 1 is the name; the rest are numbers.
                if (n == 1) {
                    const char* comma = p;
                    while (*comma != ',')
                        ++comma;
                    c.BirthName.assign(p, comma);
                    p = comma;
                    values[n++] = 0;
                    continue;
                }
                int v = 0;
                while (*p >= '0' && *p <= '9')
                    v = v * 10 + (*p++ - '0');
                values[n++] = static_cast<std::int16_t>(v);
            }
            c.BirthMonth = values[2];
            c.BirthDay = values[3];
            c.BirthYear = values[4];
            c.BirthHour = values[5];
            c.BirthMinute = values[6];
            c.ZoneHours = values[7];
            c.ZoneMinutes = values[8];
            c.LonDegrees = values[9];
            c.LonMinutes = values[10];
            c.LatDegrees = values[11];
            c.LatMinutes = values[12];
            c.IsEast = values[13] != 0;
            c.IsSouth = values[14] != 0;
            c.IsDST = values[15] != 0;
            c.ZoneDirection = tivora::ZoneDirection::FromLongitude;
            ascendant(c);
            char number[64];
            const auto written = std::to_chars(number, number + sizeof number, c.Ascendant,
                                               std::chars_format::fixed, 6);
            out.append(number, written.ptr);
            out += ',';
            tivora::cli::AppendCsvField(out, c.AscendantText);
            out += ',';
            const char* sign = c.AscendantText.data() + c.AscendantText.size() - 3;
            out.append(sign, 3);
            out += ',';
            for (const auto& [name, columns] : columns_)
                if (name.compare(0, 3, sign, 3) == 0)
                    out += columns;
            out += "\r\n";
            at = end + 1;
        }
    }

private:
    std::vector<std::pair<std::string, std::string>> columns_;
};

// Collects what it is given, so the two outputs can be compared once.
class StringBuffer : public std::streambuf {
public:
    std::string text;

protected:
    int overflow(int c) override {
        text += static_cast<char>(c);
        return c;
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        text.append(s, static_cast<std::size_t>(n));
        return n;
    }
};

double Median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// Times tivora-cli batch on csv and other in turns, so that both see the same
// machine, and reports the medians (other's as otherCounter) and "ratio",
// the batch's time over other's.
template <typename Other>
void BatchBeside(benchmark::State& state, const std::string& csv, const char* otherCounter,
                 Other other) {
    NullBuffer null;
    std::ostream out(&null);
    std::ostringstream err;
    std::vector<double> measured;
    std::vector<double> others;
    using Clock = std::chrono::steady_clock;
    for (auto _ : state) {
        auto start = Clock::now();
        other();
        others.push_back(std::chrono::duration<double>(Clock::now() - start).count());
        // The input is in memory before the clock starts, as other's is.
        std::istringstream in(csv);
        start = Clock::now();
        benchmark::DoNotOptimize(tivora::cli::RunCli({"batch", "-"}, in, out, err));
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        measured.push_back(seconds);
        state.SetIterationTime(seconds);
    }
    state.counters["median_ms"] = Median(measured) * 1e3;
    state.counters[otherCounter] = Median(others) * 1e3;
    state.counters["ratio"] = Median(measured) / Median(others);
}

// tivora-cli batch against its floor, the plain loop, once it is sure that
// both write the same bytes.
void BM_Batch(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const std::string csv = GeneratedBatch(rows);
    const PlainBatch plain;
    std::string floorOut;
    plain.run(csv, floorOut, tivora::CalculateAscendant);
    {
        StringBuffer buffer;
        std::ostream out(&buffer);
        std::ostringstream err;
        std::istringstream in(csv);
        tivora::cli::RunCli({"batch", "-"}, in, out, err);
        if (buffer.text != floorOut) {
            state.SkipWithError("the plain loop's output differs from the batch's");
            return;
        }
    }
    BatchBeside(state, csv, "floor_ms", [&] {
        plain.run(csv, floorOut, tivora::CalculateAscendant);
        benchmark::DoNotOptimize(floorOut.data());
    });
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_Batch)->Arg(100000)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);

#ifdef TIVORA_BENCH_SWISS_EPHEMERIS
// The same rows through the Swiss Ephemeris: universal time by the everyday
// rule (the zone's direction from the longitude, an hour less for daylight
// saving), swe_houses_ex's sidereal ascendant in Lahiri mode, written as the
// batch writes its rows.
void SwissAscendant(tivora::ChartRecord& c) {
    const double longitude = (c.LonDegrees + c.LonMinutes / 60.0) * (c.IsEast ? 1 : -1);
    const double latitude = (c.LatDegrees + c.LatMinutes / 60.0) * (c.IsSouth ? -1 : 1);
    const double zone = (c.ZoneHours + c.ZoneMinutes / 60.0) * (c.IsEast ? 1 : -1);
    const double ut = c.BirthHour + c.BirthMinute / 60.0 - zone - (c.IsDST ? 1 : 0);
    const double jd = swe_julday(c.BirthYear, c.BirthMonth, c.BirthDay, ut, SE_GREG_CAL);
    double cusps[13];
    double ascmc[10];
    swe_houses_ex(jd, SEFLG_SIDEREAL, latitude, longitude, 'E', cusps, ascmc);
    c.Ascendant = ascmc[0];
    c.AscendantText = tivora::FormatSignPosition(ascmc[0]);
}

// tivora-cli batch against the same CSV written from the Swiss Ephemeris's
// ascendants; "ratio" is the batch's time over the Swiss Ephemeris loop's.
void BM_BatchAgainstSwissEphemeris(benchmark::State& state) {
    swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
    const int rows = static_cast<int>(state.range(0));
    const std::string csv = GeneratedBatch(rows);
    const PlainBatch plain;
    std::string swissOut;
    BatchBeside(state, csv, "swiss_ms", [&] {
        plain.run(csv, swissOut, SwissAscendant);
        benchmark::DoNotOptimize(swissOut.data());
    });
    state.counters["swiss_bytes"] = static_cast<double>(swissOut.size());
}
BENCHMARK(BM_BatchAgainstSwissEphemeris)
    ->Arg(100000)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);
#endif

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
