// SPDX-License-Identifier: GPL-3.0-or-later
// A listed date as the almanac pages print it beside the Choghadiya: the marks
// each listed period carries, Abhijit Muhurat and the 24 horas. The marks take
// the periods' own start and end, from the same evaluation that lists them; the
// almanac's day runs from sunrise to sunrise, so a night's entries after
// midnight still carry the marks of the weekday of its sunset.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "core/almanac.h"
#include "planning/listing.h"

namespace velnora {

struct TimeSpan {
    LocalDateTime start, end;
};

struct Hora {
    int number = 0;  // 1..24: 1..12 from sunrise, 13..24 from sunset
    LocalDateTime start, end;
    Planet lord = Planet::Sun;
    bool favorable = false;
};

struct DayAlmanac {
    std::array<Marks, kPeriodsPerSpan> day{};  // beside the listing's day
    std::vector<Marks> night;                  // beside each entry of the listing's night
    std::optional<TimeSpan> abhijit;           // none on Wednesday
    std::vector<Hora> horas;                   // 24, in the listing's clock
};

// The marks of one period of the listing of the date `listed`.
Marks MarksOfPeriod(const Period& period, const Date& listed);

// Empty marks, no Abhijit and no horas for a date that has no periods.
DayAlmanac AlmanacOf(const DayListing& listing);

// The index of the hora that holds `time` (a boundary belongs to the earlier
// one, as with the periods); empty when none of them does.
std::optional<std::size_t> HoraHolding(const std::vector<Hora>& horas, const LocalDateTime& time);

}  // namespace velnora
