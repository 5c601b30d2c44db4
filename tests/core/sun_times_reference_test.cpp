// SPDX-License-Identifier: GPL-3.0-or-later
// The almanac steps transcribed literally (arcsine through the arctangent, sine and
// cosine of the declination taken from the angle itself), as a reference for the
// faster pass: both must report the same minutes everywhere.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>

#include "core/sun_times.h"

namespace velnora {
namespace {

std::optional<double> LiteralPass(int n, double phi, double lambda, double tau, bool rising) {
    auto asin = [](double x) { return std::atan(x / std::sqrt(1 - x * x)); };
    auto reduce = [](double a) {
        while (a < 0) a += 6.28319;
        while (a >= 6.28319) a -= 6.28319;
        return a;
    };
    const double t = n + ((rising ? 1.5708 : 4.71239) - lambda) / 6.28319;
    const double m = 0.017202 * t - 0.0574039;
    double l = reduce(m + 0.0334405 * std::sin(m) + 4.93289 + 0.000349066 * std::sin(2 * m));
    if (l / 1.5708 == std::floor(l / 1.5708)) l += 4.84814e-06;
    double ra = std::atan(0.91746 * std::sin(l) / std::cos(l));
    if (l > 4.71239) {
        ra += 6.28319;
    } else if (l > 1.5708) {
        ra += 3.14159;
    }
    const double delta = asin(0.39782 * std::sin(l));
    const double c =
        (-0.0145439 - std::sin(delta) * std::sin(phi)) / (std::cos(delta) * std::cos(phi));
    if (!(std::abs(c) < 1)) return std::nullopt;
    double h = 1.5708 - asin(c);
    if (rising) h = 6.28319 - h;
    return reduce(ra + h - 0.0172028 * t - 1.73364 - lambda + tau) * 3.81972;
}

TEST(SunTimesReference, FastPassReportsTheLiteralMinutes) {
    std::mt19937 random(20261207);
    int compared = 0;
    for (int i = 0; i < 200000; ++i) {
        const Date date{1900 + static_cast<int>(random() % 152),
                        1 + static_cast<int>(random() % 12), 1 + static_cast<int>(random() % 28)};
        const int latDegrees = static_cast<int>(random() % 90);
        const int latMinutes = static_cast<int>(random() % 60);
        const bool south = random() % 2 == 0;
        const int lonDegrees = static_cast<int>(random() % 180);
        const int lonMinutes = static_cast<int>(random() % 60);
        const bool east = random() % 2 == 0;
        const GeoPosition p{{latDegrees, latMinutes, south ? Hemisphere::South : Hemisphere::North},
                            {lonDegrees, lonMinutes, east ? Hemisphere::East : Hemisphere::West}};
        const ZoneOffset z{static_cast<int>(random() % 27) - 13,
                           static_cast<int>(random() % 3) * 30 - 30};

        double phi = latDegrees + latMinutes / 60.0;
        if (south) phi = -phi;
        double lambda = lonDegrees + lonMinutes / 60.0;
        if (!east) lambda = -lambda;
        const double zone =
            (z.hours < 0 ? -1.0 : 1.0) * (std::abs(z.hours) + std::abs(z.minutes) / 60.0);
        const int n = DayOfYear(date) - 1;
        const auto rise =
            LiteralPass(n, phi * 0.0174533, lambda * 0.0174533, -zone * 0.261799, true);
        const auto set =
            LiteralPass(n, phi * 0.0174533, lambda * 0.0174533, -zone * 0.261799, false);

        const auto fast = SunRiseSunSet(date, p, z);
        ASSERT_EQ(fast.has_value(), rise && set) << i;
        if (!fast) continue;
        ASSERT_EQ(fast->sunrise, LocalDateTime::From(date, ClockFromHours(*rise))) << i;
        ASSERT_EQ(fast->sunset, LocalDateTime::From(date, ClockFromHours(*set))) << i;
        ++compared;
    }
    EXPECT_GT(compared, 150000);  // most of the sample has a sunrise and a sunset
}

}  // namespace
}  // namespace velnora
