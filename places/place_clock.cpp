// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/place_clock.h"

#include <algorithm>

namespace velnora::places {

// None of the date's start, noon and last second, each taken at the offset the
// zone gives it, reads back as that date on a date the clocks skip.
bool DateOnTheClocks(const ZoneClock& tz, const Date& d) {
    for (const ClockTime t : {ClockTime{0, 0, 0}, ClockTime{12, 0, 0}, ClockTime{23, 59, 59}}) {
        const auto z = tz.OffsetAt(d, t);
        if (!z) return true;  // no answer: the form's zone stands
        const auto back = tz.LocalMomentAt(LocalDateTime::From(d, t).seconds + ZoneSeconds(*z));
        if (!back || back->reading.date() == d) return true;
    }
    return false;
}

std::optional<Moment> MomentOf(const ZoneClock& tz, const Date& d, const ClockTime& t) {
    const std::int64_t reading = LocalDateTime::From(d, t).seconds;
    std::optional<std::int64_t> first, earlierEast;
    ZoneOffset earlierZone;
    bool twice = false;
    // A day either side covers the offsets in force before and after any change
    // near the reading.
    for (const std::int64_t probe : {reading - 86400, reading + 86400}) {
        const auto around = tz.LocalMomentAt(probe);
        if (!around) return std::nullopt;
        const std::int64_t east = around->reading.seconds - probe;
        if (!earlierEast) {
            earlierEast = east;
            earlierZone = around->zone;
        }
        const std::int64_t utc = reading - east;
        const auto back = tz.LocalMomentAt(utc);
        if (!back || back->reading.seconds != reading) continue;
        if (!first) {
            first = utc;
        } else if (*first != utc) {
            twice = true;
            first = std::min(*first, utc);
        }
    }
    const std::int64_t utc = first ? *first : reading - *earlierEast;
    const auto local = tz.LocalMomentAt(utc);
    if (!local) return std::nullopt;
    if (!first) return Moment{*local, earlierZone, Reading::Skipped};
    return Moment{*local, local->zone, twice ? Reading::Twice : Reading::Once};
}

std::optional<ZoneOffset> OffsetsOnTheClocks::operator()(const Date& d, const ClockTime& t) const {
    if (now && now->reading == LocalDateTime::From(d, t)) return now->zone;
    if (!DateOnTheClocks(clock, d)) return std::nullopt;
    if (const auto m = MomentOf(clock, d, t)) return m->zone;
    return otherwise;
}

}  // namespace velnora::places
