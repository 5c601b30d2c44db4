// SPDX-License-Identifier: GPL-3.0-or-later
// Readings of a place's own clocks, daylight saving included: which moment a
// reading stands for, which dates the clocks skip, and the offset in force at a
// reading, as planning asks for it on each date.
#pragma once

#include <optional>

#include "core/date_time.h"
#include "places/zone_clock.h"

namespace velnora::places {

// How a clock reading of the place stands for a moment.
enum class Reading { Once, Twice, Skipped };

struct Moment {
    LocalMoment local;  // as the place's clocks show it, with the offset then
    ZoneOffset zone;    // the offset that reads the reading as this moment
    Reading reading = Reading::Once;
};

// The moment a reading of the place's clocks on `date` at `time` stands for. A
// reading shown twice (the hour repeated when the clocks go back) is the first of
// them; one the clocks skip is read at the offset in force before the skip, so
// it lands as much later as they jumped. Empty for an unknown zone.
std::optional<Moment> MomentOf(const ZoneClock& clock, const Date& date, const ClockTime& time);

// False only for a date the clocks jumped over whole (Samoa's 30 December 2011,
// on crossing the date line).
bool DateOnTheClocks(const ZoneClock& clock, const Date& date);

// The offset in force at each reading of the place's clocks, as planning asks for
// it date by date: empty for a date the clocks skip, `otherwise` when the zone
// gives no answer. The present reading, when there is one, stands for the moment
// actually read; in the hour the clocks repeat, that may be the second of the two.
struct OffsetsOnTheClocks {
    ZoneClock clock;
    ZoneOffset otherwise;
    std::optional<LocalMoment> now;

    std::optional<ZoneOffset> operator()(const Date& date, const ClockTime& time) const;
};

}  // namespace velnora::places
