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

#include "core/almanac.h"
#include "workflow/evaluation.h"

namespace velnora {

// Sets the zone fields of `form` to the offset in force on `date` (a place's own
// zone with daylight saving). False when the place's clocks skipped the whole of
// `date` (Samoa's 30 December 2011), which then has no periods of its own. An
// empty function keeps the form's zone on every date.
using ZoneForDate = std::function<bool(const Date& date, FormValues& form)>;

// The dates the year list holds, the only ones the evaluation takes.
inline constexpr Date kFirstListedDate{kFirstYear, 1, 1};
inline constexpr Date kLastListedDate{kLastYear, 12, 31};
bool IsListedDate(const Date& date);

// The form's date of work from its list positions (31 February stays as it is).
Date DateOfWork(const FormValues& form);
// The form with its date of work moved to `date`; a year outside the list is
// refused by the evaluation.
FormValues OnDate(FormValues form, const Date& date);

struct DayListing {
    Date date;
    bool skipped = false;            // the place's clocks skipped this date: nothing to list
    std::optional<Message> failure;  // why this date has no periods (no sunrise or sunset)
    Evaluation evaluation;           // of the date at its noon
    std::array<Period, kPeriodsPerSpan> day{};
    std::vector<Period> night;  // to the next sunrise, split at midnight
};

DayListing ListDay(const FormValues& form, const Date& date, const ZoneForDate& zoneFor = {});
// `count` consecutive dates from the form's date of work, less those the place's
// clocks skipped. The listing ends early at a date the year list does not hold.
std::vector<DayListing> ListDays(const FormValues& form, int count,
                                 const ZoneForDate& zoneFor = {});

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
std::optional<NextPeriod> FindNext(const FormValues& form, const PeriodWanted& wanted,
                                   const ZoneForDate& zoneFor = {});

}  // namespace velnora
