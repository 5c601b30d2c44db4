// SPDX-License-Identifier: GPL-3.0-or-later
// Planning over whole days: consecutive dates listed period by period, and the
// next period of a wanted kind from the time of work. Every listed period comes
// from the evaluation of its date, so it carries the name the evaluation gives
// any moment inside it.
#pragma once

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "planning/almanac.h"
#include "workflow/evaluation.h"

namespace velnora {

// The offset in force at a reading of the place's clocks on `date` (a place's
// own zone with daylight saving); empty when the clocks skipped the whole of
// `date` (Samoa's 30 December 2011), which then has no periods of its own.
using ZoneForDate =
    std::function<std::optional<ZoneOffset>(const Date& date, const ClockTime& time)>;

// A time read in `zone` as the place's clocks show that moment: their date and
// time after a change of their offset too.
using WallReading = std::function<LocalDateTime(const LocalDateTime& time, const ZoneOffset& zone)>;
// `time` read in `zone` as `wall` shows it; as read when `wall` is empty.
inline LocalDateTime OnWall(const WallReading& wall, const LocalDateTime& time,
                            const ZoneOffset& zone) {
    return wall ? wall(time, zone) : time;
}

// The dates the year list holds, the only ones the evaluation takes.
inline constexpr Date kFirstListedDate{kFirstYear, 1, 1};
inline constexpr Date kLastListedDate{kLastYear, 12, 31};
bool IsListedDate(const Date& date);

// The most days one listing or calendar covers: a year, leap day included.
inline constexpr int kMaxListedDays = 366;

// What planning works from: the place and the time of work, and the clocks
// that tell the offset on each date.
struct Plan {
    EvaluationInput at;   // its zone is the one typed
    ZoneForDate zoneFor;  // empty: the typed zone on every date

    // The offset in force at `time` on `date`; empty for a date the clocks skip.
    std::optional<ZoneOffset> ZoneAt(const Date& date, const ClockTime& time) const;
    // The same time of work on another date.
    Plan On(const Date& date) const;
};

// The time of work evaluated at the offset in force then.
Outcome EvaluateWork(const Plan& plan);

struct DayListing {
    Date date;
    bool skipped = false;            // the place's clocks skipped this date: nothing to list
    std::optional<Message> failure;  // why this date has no periods (no sunrise or sunset)
    Evaluation evaluation;           // of the date at its noon
    std::array<Period, kPeriodsPerSpan> day{};
    std::vector<Period> night;  // to the next sunrise, split at midnight
};

DayListing ListDay(const Plan& plan, const Date& date);
// `count` consecutive dates from the date of work, less those the place's clocks
// skipped. The listing ends early at a date the year list does not hold.
std::vector<DayListing> ListDays(const Plan& plan, int count);
// The night before the sunrise of the evaluation's date, in its zone, named as the
// evaluation names a time in it: for a day before that has no listing of its own
// (31 December 1900, before the year list; a date the place's clocks skipped).
std::vector<Period> NightBefore(const Evaluation& evaluation);
// The night before the date of work's sunrise when the time of work lies in it and
// the day before has no listing of its own; otherwise empty.
std::vector<Period> UnlistedNightBefore(const Plan& plan, const Evaluation& work);

// The lists of one date as the periods window and velnora-cli --table show it:
// the night before sunrise (only when the time of work lies in it), the day, and
// the night split at midnight, each listed from its own date in its own zone.
enum class SectionKind { NightBefore, Day, Night };
struct DaySection {
    SectionKind kind = SectionKind::Day;
    std::vector<Period> periods;
    ZoneOffset zone;           // the zone its times are in
    std::vector<Marks> marks;  // the almanac marks beside each period
};
struct DayTable {
    std::vector<DaySection> sections;
    std::optional<Message> failure;   // why the date has no periods
    std::optional<TimeSpan> abhijit;  // the date's Abhijit Muhurat; none on Wednesday
    std::vector<Hora> horas;          // the date's 24 horas
    ZoneOffset horasZone;             // the zone their times are in
};
// `work` is the evaluation of the time of work on the plan's date, if there is one.
DayTable TableOfDay(const Plan& plan, const Evaluation* work);

// What the search for the next period looks for: a verdict, or one name.
struct PeriodWanted {
    std::optional<Verdict> verdict;
    std::optional<Choghadiya> name;  // the name wanted when no verdict is given
    bool clear = false;              // only a period that carries no almanac mark
    bool Matches(const Period& period) const;
};

struct NextPeriod {
    Period period;
    ZoneOffset zone;                    // the zone its times are in
    bool holdsTimeOfWork = false;       // the time of work already lies in it
    std::int64_t remainingSeconds = 0;  // from the time of work to its end, when it does
    Marks marks;                        // the almanac marks it carries
};

// Dates after the date of work that the search goes through.
inline constexpr int kNextSearchDays = 8;

// The period that holds the time of work when it is wanted, otherwise the first
// wanted one that starts after it, within the date of work and the following
// kNextSearchDays dates. Dates without sunrise or sunset, skipped dates and dates
// outside the year list are passed over; empty when no wanted period comes.
std::optional<NextPeriod> FindNext(const Plan& plan, const PeriodWanted& wanted);

}  // namespace velnora
