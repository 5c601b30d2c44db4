// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/almanac.h"

namespace velnora {
namespace {

// Part `k` of `count` equal parts of a span ends this far from its start, to the
// nearest second.
std::int64_t PartEnd(std::int64_t span, int k, int count) {
    return (2 * span * k + count) / (2 * std::int64_t{count});
}

void AddHoras(std::vector<Hora>& horas, LocalDateTime start, LocalDateTime end, int first,
              int weekday) {
    const std::int64_t span = end - start;
    for (int k = 0; k < kHorasPerSpan; ++k) {
        Hora h;
        h.number = first + k;
        h.start = start + PartEnd(span, k, kHorasPerSpan);
        h.end = k + 1 == kHorasPerSpan ? end : start + PartEnd(span, k + 1, kHorasPerSpan);
        h.lord = HoraLord(h.number, weekday);
        h.favorable = IsFavorableLord(h.lord);
        horas.push_back(h);
    }
}

}  // namespace

Marks MarksOfPeriod(const Period& p, const Date& listed) {
    const int weekday = WeekdayOf(listed);
    return p.night ? NightMarks(p.number, weekday) : DayMarks(p.number, weekday);
}

DayAlmanac AlmanacOf(const DayListing& listing) {
    DayAlmanac almanac;
    if (listing.failure || listing.skipped) return almanac;
    for (std::size_t k = 0; k < listing.day.size(); ++k) {
        almanac.day[k] = MarksOfPeriod(listing.day[k], listing.date);
    }
    almanac.night.reserve(listing.night.size());
    for (const Period& p : listing.night) almanac.night.push_back(MarksOfPeriod(p, listing.date));

    const Evaluation& e = listing.evaluation;
    const int weekday = WeekdayOf(listing.date);
    if (HasAbhijit(weekday)) {
        const std::int64_t day = e.InputDaySunSet - e.InputDaySunRise;
        almanac.abhijit = TimeSpan{
            e.InputDaySunRise + PartEnd(day, kAbhijitPart - 1, kAbhijitParts),
            e.InputDaySunRise + PartEnd(day, kAbhijitPart, kAbhijitParts),
        };
    }
    almanac.horas.reserve(kHorasPerDay);
    AddHoras(almanac.horas, e.InputDaySunRise, e.InputDaySunSet, 1, weekday);
    AddHoras(almanac.horas, e.InputDaySunSet, e.NextDaySunRise, kHorasPerSpan + 1, weekday);
    return almanac;
}

std::optional<std::size_t> HoraHolding(const std::vector<Hora>& horas, const LocalDateTime& t) {
    for (std::size_t i = 0; i < horas.size(); ++i) {
        if (horas[i].start <= t && t <= horas[i].end) return i;
    }
    return std::nullopt;
}

}  // namespace velnora
