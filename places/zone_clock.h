// SPDX-License-Identifier: GPL-3.0-or-later
// A place's own zone for planning, without Qt types: the offset in force on
// each date, and the present moment on the place's clock, daylight saving time
// included.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "core/zone_offset.h"

namespace velnora::places {

// A moment on the zone's clock and the offset in force then.
struct LocalMoment {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    ZoneOffset zone;
};
std::optional<LocalMoment> LocalMomentAt(std::string_view zoneId, std::int64_t utcSeconds);

// One zone looked up once, for the many readings of a listing. Copies share it.
class ZoneClock {
public:
    explicit ZoneClock(std::string_view zoneId);  // an unknown zone answers nothing
    // The offset in force at the local date and clock time (month 1..12),
    // daylight saving time included. Empty for an invalid date.
    std::optional<ZoneOffset> OffsetAt(int year, int month, int day, int hour, int minute,
                                       int second) const;
    std::optional<LocalMoment> LocalMomentAt(std::int64_t utcSeconds) const;

private:
    struct Zone;
    std::shared_ptr<const Zone> zone_;
};

}  // namespace velnora::places
