// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/place_clocks.h"

#include <cstdio>
#include <cstdlib>
#include <ostream>

#include "places/zone_clock.h"

namespace velnora::cli {
namespace {

// False only for a date the zone's clocks jumped over whole (Samoa's 30 December
// 2011, on crossing the date line): none of its start, noon and last second,
// each taken at the offset the zone gives it, reads back as that date.
bool DateOnTheClocks(const places::ZoneClock& tz, const Date& d) {
    for (const ClockTime t : {ClockTime{0, 0, 0}, ClockTime{12, 0, 0}, ClockTime{23, 59, 59}}) {
        const auto z = tz.OffsetAt(d.year, d.month, d.day, t.hour, t.minute, t.second);
        if (!z) return true;  // no answer: the form's zone stands
        const auto back = tz.LocalMomentAt(LocalDateTime::From(d, t).seconds + ZoneSeconds(*z));
        if (!back || Date{back->year, back->month, back->day} == d) return true;
    }
    return false;
}

LocalDateTime ReadingOf(const places::LocalMoment& m) {
    return LocalDateTime::From({m.year, m.month, m.day}, {m.hour, m.minute, m.second});
}

// How a clock reading of the place stands for a moment.
enum class Reading { Once, Twice, Skipped };

struct Moment {
    places::LocalMoment local;  // as the place's clocks show it, with the offset then
    ZoneOffset zone;            // the offset that reads the reading as this moment
    Reading reading = Reading::Once;
};

// The moment a reading of the place's clocks on `d` at `t` stands for. A reading
// shown twice (the hour repeated when the clocks go back) is the first of them;
// one the clocks skip is read at the offset in force before the skip, so it
// lands as much later as they jumped. Empty for an unknown zone.
std::optional<Moment> MomentOf(const places::ZoneClock& tz, const Date& d, const ClockTime& t) {
    const std::int64_t reading = LocalDateTime::From(d, t).seconds;
    std::optional<std::int64_t> first, earlierEast;
    ZoneOffset earlierZone;
    bool twice = false;
    // A day either side covers the offsets in force before and after any change
    // near the reading.
    for (const std::int64_t probe : {reading - 86400, reading + 86400}) {
        const auto around = tz.LocalMomentAt(probe);
        if (!around) return std::nullopt;
        const std::int64_t east = ReadingOf(*around).seconds - probe;
        if (!earlierEast) {
            earlierEast = east;
            earlierZone = around->zone;
        }
        const std::int64_t utc = reading - east;
        const auto back = tz.LocalMomentAt(utc);
        if (!back || ReadingOf(*back).seconds != reading) continue;
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
    if (o.plan.zoneGiven) {
        if (o.plan.now) TakeTimeOfWorkFromClock(o.form, clock.now());
        return {[](const Date&, FormValues&) { return true; }, {}};
    }
    const places::ZoneClock tz(zoneId);  // looked up once for every reading below
    // --now keeps the instant it read: inside a repeated hour its reading alone
    // would stand for the first of the two.
    std::optional<places::LocalMoment> now;
    const Date date = DateOfWork(o.form);
    const ClockTime time{o.form.hour, o.form.minute, o.form.second};
    if (o.plan.now) {
        now = tz.LocalMomentAt(clock.now().time_since_epoch().count());
        if (now) {
            SetTimeOfWork(o.form, {now->year, now->month, now->day},
                          {now->hour, now->minute, now->second});
        }
    } else if (const auto m = MomentOf(tz, date, time); m && m->reading != Reading::Once) {
        const std::string typed = UsGeneralDate(LocalDateTime::From(date, time));
        if (m->reading == Reading::Twice) {
            err << "velnora-cli: " << typed << " comes twice in " << zoneId
                << " (the clocks go back); taken as the first, at " << UtcOffsetText(m->local.zone)
                << '\n';
        } else {
            err << "velnora-cli: " << typed << " does not exist in " << zoneId
                << " (the clocks skip it); taken as " << UsGeneralDate(ReadingOf(m->local))
                << ", at " << UtcOffsetText(m->local.zone) << '\n';
            // The reading named there is the one evaluated: across Samoa's skipped
            // date its weekday is another.
            SetTimeOfWork(o.form, {m->local.year, m->local.month, m->local.day},
                          {m->local.hour, m->local.minute, m->local.second});
        }
    }
    ZoneForDate zoneFor = [tz, now](const Date& d, FormValues& f) {
        if (!DateOnTheClocks(tz, d)) return false;
        const ClockTime t{f.hour, f.minute, f.second};
        std::optional<ZoneOffset> z;
        if (now && ReadingOf(*now) == LocalDateTime::From(d, t)) {
            z = now->zone;
        } else if (const auto m = MomentOf(tz, d, t)) {
            z = m->zone;
        }
        if (z) {
            f.zoneHour = std::to_string(z->hours);
            f.zoneMinute = std::to_string(z->minutes);
        }
        return true;
    };
    zoneFor(DateOfWork(o.form), o.form);  // the time of work's own offset
    WallClock wall = [tz](const LocalDateTime& t, const ZoneOffset& zone) {
        const std::int64_t utc = t.seconds + ZoneSeconds(zone);
        const auto m = tz.LocalMomentAt(utc);
        if (!m) return WallTime{t, -ZoneSeconds(zone)};
        const LocalDateTime reading = ReadingOf(*m);
        return WallTime{reading, reading.seconds - utc};
    };
    return {std::move(zoneFor), std::move(wall)};
}

}  // namespace velnora::cli
