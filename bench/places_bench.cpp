// SPDX-License-Identifier: GPL-3.0-or-later
// The coordinate lookup over the whole gazetteer index of the build tree. The
// first benchmark runs before any other touches the index and reports how much
// the resident memory grew over opening it and two searches, all of it and the
// process's own (without the index's mapped pages, which the kernel maps in
// blocks as large as the page cache holds them); the next opens the
// index anew for each search, as the first click of a fresh process does; the
// others time one search on an open index, and velnora-cli --place as a whole
// process.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

#include "bench/run_cli.h"
#include "places/places.h"

namespace {

using velnora::places::Gazetteer;

// The build tree's index, opened anew; null, with the benchmark failed, when it is missing.
std::unique_ptr<Gazetteer> OpenIndex(benchmark::State& state) {
    auto g = Gazetteer::Open(velnora::places::IndexLocations().front());
    if (!g) state.SkipWithError("no gazetteer index in the build tree");
    return g;
}

// A "Name:   123 kB" line of /proc/self/status: VmRSS for all resident memory,
// RssAnon for the process's own, RssFile for mapped files such as the index.
long StatusKiB(const std::string& name) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(name + ':', 0) == 0) return std::stol(line.substr(name.size() + 1));
    }
    return 0;
}

void BM_ResidentMemoryOfTheFirstSearches(benchmark::State& state) {
    for (auto _ : state) {
        const long before = StatusKiB("VmRSS");
        const long ownBefore = StatusKiB("RssAnon");
        const auto g = OpenIndex(state);
        if (!g) break;
        benchmark::DoNotOptimize(
            g->Search(QStringLiteral("Pune Maharashtra India Latitude Longitude")));
        benchmark::DoNotOptimize(g->Search(QStringLiteral("Springfield Latitude Longitude")));
        state.counters["grown_MiB"] = static_cast<double>(StatusKiB("VmRSS") - before) / 1024.0;
        state.counters["own_grown_MiB"] =
            static_cast<double>(StatusKiB("RssAnon") - ownBefore) / 1024.0;
    }
}
BENCHMARK(BM_ResidentMemoryOfTheFirstSearches)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_OpenAndFirstSearch(benchmark::State& state) {
    for (auto _ : state) {
        const auto g = OpenIndex(state);
        if (!g) break;
        benchmark::DoNotOptimize(
            g->Search(QStringLiteral("Bombay Maharashtra India Latitude Longitude")));
    }
}
BENCHMARK(BM_OpenAndFirstSearch)->Unit(benchmark::kMillisecond);

void BM_Search(benchmark::State& state, const char* text) {
    const QString search = QString::fromUtf8(text);
    const auto g = OpenIndex(state);
    if (!g) return;
    for (auto _ : state) benchmark::DoNotOptimize(g->Search(search));
}
BENCHMARK_CAPTURE(BM_Search, pune, "Pune Maharashtra India Latitude Longitude")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, springfield, "Springfield Illinois United States Latitude Longitude")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, new_york, "New York New York United States Latitude Longitude")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, ahmedabad, "Ahmedabad")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, ahmedabad_devanagari, "अहमदाबाद")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, ahmedabad_gujarati_state_country, "અમદાવાદ ગુજરાત ભારત")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, san_leading_word, "San Latitude Longitude")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, near_miss, "Banglore Karnataka India Latitude Longitude")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, no_match, "Xqzvbnt Nowhere Land Latitude Longitude")
    ->Unit(benchmark::kMillisecond);

// velnora-cli --place as a whole process: start, open the index, search, evaluate, print, exit.
void BM_CliPlaceProcess(benchmark::State& state) {
    const char* argv[] = {VELNORA_CLI,
                          "--name",
                          "RAM",
                          "--month",
                          "March",
                          "--day",
                          "5",
                          "--year",
                          "2024",
                          "--hour",
                          "9",
                          "--place",
                          "Bombay Maharashtra India",
                          "--json",
                          nullptr};
    velnora::bench::RunCli(state, argv);
}
BENCHMARK(BM_CliPlaceProcess)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
