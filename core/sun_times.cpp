// SPDX-License-Identifier: GPL-3.0-or-later
// Each pass follows the almanac steps in order with the program's constants. Two
// identities save time: sin(2M) = 2 sin M cos M, and the declination's sine and
// cosine come straight from its sine sd instead of through arcsine and back. Both
// agree with the literal steps to the last bit or so; the reference test holds them
// to the same minutes on a large random sample.
#include "core/sun_times.h"

#include <cmath>
#include <cstdlib>

namespace velnora {
namespace {

constexpr double kQuarterTurn = 1.5708;  // pi/2, also 6 hours as an angle
constexpr double kHalfTurn = 3.14159;
constexpr double kThreeQuarterTurn = 4.71239;  // also 18 hours as an angle
constexpr double kFullTurn = 6.28319;
constexpr double kDegree = 0.0174533;         // radians per degree
constexpr double kHourAngle = 0.261799;       // radians per hour of time
constexpr double kClockHours = 3.81972;       // hours of time per radian
constexpr double kZenithCosine = -0.0145439;  // cos(90 deg 50 min)
constexpr double kAnomalyRate = 0.017202;
constexpr double kAnomalyOffset = 0.0574039;
constexpr double kCentreTerm1 = 0.0334405;
constexpr double kCentreTerm2 = 0.000349066;
constexpr double kPerihelion = 4.93289;
constexpr double kObliquityCosine = 0.91746;
constexpr double kObliquitySine = 0.39782;
constexpr double kSiderealRate = 0.0172028;
constexpr double kSiderealOffset = 1.73364;
constexpr double kNudge = 4.84814e-06;  // one second of arc

// Arcsine and arccosine are taken through the arctangent, as the method does.
double ArcSine(double x) { return std::atan(x / std::sqrt(1 - x * x)); }

double Reduce(double angle) {
    while (angle < 0) angle += kFullTurn;
    while (angle >= kFullTurn) angle -= kFullTurn;
    return angle;
}

}  // namespace

ClockTime ClockFromHours(double x) {
    int h = static_cast<int>(std::floor(x));
    int m = static_cast<int>(std::floor((x - h) * 60 + 0.5));
    if (m >= 60) {
        ++h;
        m -= 60;
    }
    if (h >= 24) return {23, 59, 0};
    return {h, m, 0};
}

SunPlace::SunPlace(const GeoPosition& p, const ZoneOffset& zone) {
    const double phi = SignedDegrees(p.latitude) * kDegree;
    lambda_ = SignedDegrees(p.longitude) * kDegree;
    sinPhi_ = std::sin(phi);
    cosPhi_ = std::cos(phi);

    const double sign = zone.hours < 0 ? -1.0 : 1.0;
    const double z = sign * (std::abs(zone.hours) + std::abs(zone.minutes) / 60.0);
    tau_ = -z * kHourAngle;
}

std::int64_t ZoneSeconds(const ZoneOffset& zone) {
    const std::int64_t magnitude =
        std::int64_t{std::abs(zone.hours)} * 3600 + std::int64_t{std::abs(zone.minutes)} * 60;
    return zone.hours < 0 ? -magnitude : magnitude;
}

std::optional<SunTimes> SunPlace::On(const Date& date) const {
    const int n = DayOfYear(date) - 1;  // 0 on 1 January

    // One pass: base is 6 hours for sunrise, 18 hours for sunset. Returns the local
    // clock time in hours, or nullopt when |c| >= 1.
    auto pass = [&](double base, bool rising) -> std::optional<double> {
        const double t = n + (base - lambda_) / kFullTurn;
        const double m = kAnomalyRate * t - kAnomalyOffset;
        const double sinM = std::sin(m);
        const double sin2M = 2 * sinM * std::cos(m);  // sin(2M)
        double l = m + kCentreTerm1 * sinM + kPerihelion + kCentreTerm2 * sin2M;
        l = Reduce(l);
        const double quadrants = l / kQuarterTurn;
        if (quadrants == std::floor(quadrants)) l += kNudge;

        double ra = std::atan(kObliquityCosine * std::sin(l) / std::cos(l));
        if (l > kThreeQuarterTurn) {
            ra += kFullTurn;
        } else if (l > kQuarterTurn) {
            ra += kHalfTurn;
        }

        // Declination delta = arcsine(sd); its sine is sd and its cosine sqrt(1 - sd^2).
        const double sd = kObliquitySine * std::sin(l);
        const double c = (kZenithCosine - sd * sinPhi_) / (std::sqrt(1 - sd * sd) * cosPhi_);
        if (!(std::abs(c) < 1)) return std::nullopt;  // polar day or night (or NaN)
        double h = kQuarterTurn - ArcSine(c);
        if (rising) h = kFullTurn - h;

        const double localMean = ra + h - kSiderealRate * t - kSiderealOffset;
        const double a = Reduce(localMean - lambda_ + tau_);
        return a * kClockHours;
    };

    const auto rise = pass(kQuarterTurn, true);
    if (!rise) return std::nullopt;
    const auto set = pass(kThreeQuarterTurn, false);
    if (!set) return std::nullopt;
    return SunTimes{LocalDateTime::From(date, ClockFromHours(*rise)),
                    LocalDateTime::From(date, ClockFromHours(*set))};
}

std::optional<SunTimes> SunRiseSunSet(const Date& date, const GeoPosition& position,
                                      const ZoneOffset& zone) {
    return SunPlace(position, zone).On(date);
}

}  // namespace velnora
