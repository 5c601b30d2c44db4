// SPDX-License-Identifier: GPL-3.0-or-later
// A place's own zone for planning, without Qt types: the offset in force on
// each date, and the present moment on the place's clock, daylight saving time
// included.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "core/date_time.h"
#include "core/zone_offset.h"

namespace velnora::places {

// A moment as the zone's clock reads it, and the offset in force then.
struct LocalMoment {
    LocalDateTime reading;
    ZoneOffset zone;
};
std::optional<LocalMoment> LocalMomentAt(std::string_view zoneId, std::int64_t utcSeconds);

// One zone looked up once, for the many readings of a listing. Copies share it.
class ZoneClock {
public:
    explicit ZoneClock(std::string_view zoneId);  // an unknown zone answers nothing
    bool known() const { return zone_ != nullptr; }
    // The offset in force at the local date and clock time, daylight saving time
    // included. Empty for an invalid date.
    std::optional<ZoneOffset> OffsetAt(const Date& date, const ClockTime& time) const;
    std::optional<LocalMoment> LocalMomentAt(std::int64_t utcSeconds) const;
    // `time` read in `zone`, as this clock shows that moment; `time` itself when
    // the zone gives no answer.
    LocalDateTime ReadingAt(const LocalDateTime& time, const ZoneOffset& zone) const;

private:
    struct Zone;
    std::shared_ptr<const Zone> zone_;
};

}  // namespace velnora::places
