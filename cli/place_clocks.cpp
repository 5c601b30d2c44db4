// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/place_clocks.h"

#include <cstdio>
#include <cstdlib>
#include <ostream>

#include "places/place_clock.h"

namespace velnora::cli {
namespace {

using places::Reading;

// "UTC-04:00" for the zone hours 4, minutes 0 (hours west of Greenwich positive).
std::string UtcOffsetText(const ZoneOffset& z) {
    const std::int64_t east = -ZoneSeconds(z);
    char text[16];
    std::snprintf(text, sizeof text, "UTC%c%02d:%02d", east < 0 ? '-' : '+',
                  static_cast<int>(std::abs(east) / 3600),
                  static_cast<int>(std::abs(east) / 60 % 60));
    return text;
}

}  // namespace

PlaceClocks PlaceClocksOf(Options& o, const std::string& zoneId, const Clock& clock,
                          std::ostream& err) {
    // An explicit zone stands on every date; --now then reads it as any fixed zone.
    if (o.plan.zoneGiven) return {};
    const places::ZoneClock tz(zoneId);  // looked up once for every reading below
    // --now keeps the instant it read: inside a repeated hour its reading alone
    // would stand for the first of the two.
    std::optional<places::LocalMoment> now;
    const Date date = ListedDate(o.form);
    const ClockTime time{o.form.hour, o.form.minute, o.form.second};
    if (o.plan.now) {
        now = tz.LocalMomentAt(clock.now().time_since_epoch().count());
        if (now) {
            SetTimeOfWork(o.form, now->reading.date(), now->reading.time());
        }
    } else if (const auto m = places::MomentOf(tz, date, time); m && m->reading != Reading::Once) {
        const std::string typed = UsGeneralDate(LocalDateTime::From(date, time));
        if (m->reading == Reading::Twice) {
            err << "velnora-cli: " << typed << " comes twice in " << zoneId
                << " (the clocks go back); taken as the first, at " << UtcOffsetText(m->local.zone)
                << '\n';
        } else {
            err << "velnora-cli: " << typed << " does not exist in " << zoneId
                << " (the clocks skip it); taken as " << UsGeneralDate(m->local.reading) << ", at "
                << UtcOffsetText(m->local.zone) << '\n';
            // The reading named there is the one evaluated: across Samoa's skipped
            // date its weekday is another.
            SetTimeOfWork(o.form, m->local.reading.date(), m->local.reading.time());
        }
    }
    // Where the zone gives no answer, the zone the place took stands.
    ZoneForDate zoneFor = places::OffsetsOnTheClocks{tz, o.placeZone.value_or(ZoneOffset{}), now};
    // The time of work's own offset: the zone the evaluation reads, and --json reports.
    const ClockTime atWork{o.form.hour, o.form.minute, o.form.second};
    if (const auto z = zoneFor(ListedDate(o.form), atWork)) o.placeZone = *z;
    WallReading wall = [tz](const LocalDateTime& t, const ZoneOffset& zone) {
        return tz.ReadingAt(t, zone);
    };
    return {std::move(zoneFor), std::move(wall)};
}

}  // namespace velnora::cli
