// SPDX-License-Identifier: GPL-3.0-or-later
// The coordinate lookup over the whole gazetteer. The first benchmark reads
// libgeonames into memory (once per process, on the first click); the others
// time one search against the loaded gazetteer.
#include <benchmark/benchmark.h>

#include "places/places.h"

namespace {

void BM_LoadGazetteerOnFirstSearch(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(velnora::places::GazetteerSize());
}
BENCHMARK(BM_LoadGazetteerOnFirstSearch)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_FindPlaces(benchmark::State& state, const char* text) {
    const QString search = QString::fromUtf8(text);
    velnora::places::GazetteerSize();
    for (auto _ : state) benchmark::DoNotOptimize(velnora::places::FindPlaces(search));
}
BENCHMARK_CAPTURE(BM_FindPlaces, pune, "Pune Maharashtra India Latitude Longitude")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindPlaces, springfield, "Springfield Illinois United States Latitude Longitude")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindPlaces, new_york, "New York New York United States Latitude Longitude")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindPlaces, no_match, "Xqzvbnt Nowhere Land Latitude Longitude")
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
