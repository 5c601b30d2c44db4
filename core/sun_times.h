// SPDX-License-Identifier: GPL-3.0-or-later
// Sunrise and sunset for one date and place, by the Almanac for Computers method
// (Nautical Almanac Office, 1990), worked in radians with the program's own rounded
// constants. The reported minutes depend on those constants: do not "improve" them.
//
// Sign conventions, said once:
//   latitude  north positive (South negates it),
//   longitude east positive (West negates it),
//   time zone = hours to ADD to local clock time to get Greenwich time, so zones
//   west of Greenwich are positive and zones east of it negative (India: -5 h -30 min).
//   The sign of the whole zone comes from the hours alone.
#pragma once

#include <cstdint>
#include <optional>

#include "core/angle.h"
#include "core/date_time.h"
#include "core/zone_offset.h"

namespace velnora {

struct GeoPosition {
    Angle latitude;
    Angle longitude{0, 0, Hemisphere::East};
};

// The two results of one computation; both lie on the requested calendar date,
// in whole minutes.
struct SunTimes {
    LocalDateTime sunrise;
    LocalDateTime sunset;
};

// What a place shares across both passes and across days, computed once.
class SunPlace {
public:
    SunPlace(const GeoPosition& position, const ZoneOffset& zone);

    // Sunrise and sunset of `date`, or nullopt when the sun neither rises nor sets
    // there that day (polar day or polar night).
    std::optional<SunTimes> On(const Date& date) const;

private:
    double lambda_;  // longitude, radians, east positive
    double sinPhi_;
    double cosPhi_;
    double tau_;  // local offset, radians, east positive
};

// One-shot form: the sunrise and sunset of `date` at `position` in `zone`.
std::optional<SunTimes> SunRiseSunSet(const Date& date, const GeoPosition& position,
                                      const ZoneOffset& zone);

// Step 12's clock reading of x hours (0 <= x, about 24 at most): whole hours and
// minutes rounded half up, a minute of 60 carried into the hour, and anything that
// would reach 24:00 held at 23:59 so the time stays on the same date.
ClockTime ClockFromHours(double x);

}  // namespace velnora
