// SPDX-License-Identifier: GPL-3.0-or-later
// Engine figures: one sunrise/sunset computation, and one whole evaluation (three
// days of sun times, the span, the period and the sixteen texts).
#include <benchmark/benchmark.h>

#include "core/sun_times.h"
#include "workflow/evaluation.h"

namespace {

using namespace velnora;

const GeoPosition kAhmedabad{23, 2, false, 72, 35, true};
const ZoneOffset kIndia{-5, -30};

void BM_SunRiseSunSet(benchmark::State& state) {
    Date date{2024, 1, 1};
    for (auto _ : state) {
        benchmark::DoNotOptimize(SunRiseSunSet(date, kAhmedabad, kIndia));
        date.day = date.day % 28 + 1;
    }
}
BENCHMARK(BM_SunRiseSunSet);

// The same for a place already prepared, as the evaluation does for three days.
void BM_SunPlaceOn(benchmark::State& state) {
    const SunPlace place(kAhmedabad, kIndia);
    Date date{2024, 1, 1};
    for (auto _ : state) {
        benchmark::DoNotOptimize(place.On(date));
        date.day = date.day % 28 + 1;
    }
}
BENCHMARK(BM_SunPlaceOn);

void BM_Evaluate(benchmark::State& state) {
    FormValues f;
    f.name = "RAM";
    f.month = 2;
    f.day = 4;
    f.year = 2024 - kFirstYear;
    f.hour = 9;
    f.minute = 5;
    f.latDegrees = "23";
    f.latMinutes = "2";
    f.lonDegrees = "72";
    f.lonMinutes = "35";
    f.zoneHour = "-5";
    f.zoneMinute = "-30";
    for (auto _ : state) benchmark::DoNotOptimize(Evaluate(f));
}
BENCHMARK(BM_Evaluate);

}  // namespace

BENCHMARK_MAIN();
