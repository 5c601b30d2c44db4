// SPDX-License-Identifier: GPL-3.0-or-later
// Engine figures: one sunrise/sunset computation, and one whole evaluation (three
// days of sun times, the span, the period) with its sixteen texts as velnora-cli
// writes them.
#include <benchmark/benchmark.h>

#include <cmath>

#include "bench/run_cli.h"
#include "core/sun_times.h"
#include "planning/english.h"
#include "test_form.h"
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

// For comparison: the almanac method as textbooks print it, in degrees, each pass
// worked from scratch.
double TextbookEvent(int dayOfYear, double latitude, double longitude, double zoneHours,
                     bool rising) {
    constexpr double kRad = 3.14159265358979323846 / 180;
    const double lngHour = longitude / 15;
    const double t = dayOfYear + ((rising ? 6 : 18) - lngHour) / 24;
    const double m = 0.9856 * t - 3.289;
    double l =
        std::fmod(m + 1.916 * std::sin(m * kRad) + 0.020 * std::sin(2 * m * kRad) + 282.634, 360);
    if (l < 0) l += 360;
    double ra = std::fmod(std::atan(0.91764 * std::tan(l * kRad)) / kRad + 360, 360);
    ra += std::floor(l / 90) * 90 - std::floor(ra / 90) * 90;
    ra /= 15;
    const double sinDec = 0.39782 * std::sin(l * kRad);
    const double cosDec = std::cos(std::asin(sinDec));
    const double cosH = (std::cos(90.833 * kRad) - sinDec * std::sin(latitude * kRad)) /
                        (cosDec * std::cos(latitude * kRad));
    if (cosH > 1 || cosH < -1) return NAN;
    double h = std::acos(cosH) / kRad;
    if (rising) h = 360 - h;
    const double local = h / 15 + ra - 0.06571 * t - 6.622;
    return std::fmod(local - lngHour + zoneHours + 48, 24);
}

void BM_TextbookSunRiseSunSet(benchmark::State& state) {
    int day = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextbookEvent(day, 23 + 2 / 60.0, 72 + 35 / 60.0, 5.5, true));
        benchmark::DoNotOptimize(TextbookEvent(day, 23 + 2 / 60.0, 72 + 35 / 60.0, 5.5, false));
        day = day % 28 + 1;
    }
}
BENCHMARK(BM_TextbookSunRiseSunSet);

void BM_Evaluate(benchmark::State& state) {
    const FormValues f = testing_support::Ahmedabad(2024, 3, 5, 9, 5, 0);
    for (auto _ : state) {
        const Outcome outcome = Evaluate(f);
        benchmark::DoNotOptimize(english::ResultTexts(std::get<Evaluation>(outcome).result));
    }
}
BENCHMARK(BM_Evaluate);

// velnora-cli as a whole process: start, evaluate, print, exit.
void BM_CliProcess(benchmark::State& state) {
    const char* argv[] = {VELNORA_CLI, "--name",    "RAM",  "--month",     "March", "--day",
                          "5",         "--year",    "2024", "--hour",      "9",     "--minute",
                          "5",         "--lat-deg", "23",   "--lat-min",   "2",     "--lon-deg",
                          "72",        "--lon-min", "35",   "--zone-hour", "-5",    "--zone-minute",
                          "-30",       "--json",    nullptr};
    bench::RunCli(state, argv);
}
BENCHMARK(BM_CliProcess)->Unit(benchmark::kMillisecond);

// A year of periods for one place as a whole process: 366 evaluations, 6,000 lines of JSON.
void BM_CliYearOfDays(benchmark::State& state) {
    const char* argv[] = {
        VELNORA_CLI, "--month",   "March", "--day",       "5",      "--year",
        "2024",      "--lat-deg", "23",    "--lat-min",   "2",      "--lon-deg",
        "72",        "--lon-min", "35",    "--zone-hour", "-5",     "--zone-minute",
        "-30",       "--days",    "366",   "--table",     "--json", nullptr};
    bench::RunCli(state, argv);
}
BENCHMARK(BM_CliYearOfDays)->Unit(benchmark::kMillisecond);

// The same year with the 24 horas of every date beside its periods.
void BM_CliYearOfDaysWithHora(benchmark::State& state) {
    const char* argv[] = {
        VELNORA_CLI, "--month",   "March", "--day",       "5",      "--year",
        "2024",      "--lat-deg", "23",    "--lat-min",   "2",      "--lon-deg",
        "72",        "--lon-min", "35",    "--zone-hour", "-5",     "--zone-minute",
        "-30",       "--days",    "366",   "--table",     "--hora", "--json",
        nullptr};
    bench::RunCli(state, argv);
}
BENCHMARK(BM_CliYearOfDaysWithHora)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
