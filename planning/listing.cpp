// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/listing.h"

#include <algorithm>

#include "planning/almanac.h"

namespace velnora {

bool IsListedDate(const Date& date) {
    const std::int64_t day = DaysFromCivil(date);
    return day >= DaysFromCivil(kFirstListedDate) && day <= DaysFromCivil(kLastListedDate);
}

std::optional<ZoneOffset> Plan::ZoneAt(const Date& date, const ClockTime& time) const {
    return zoneFor ? zoneFor(date, time) : at.zone;
}

Plan Plan::On(const Date& date) const {
    Plan moved = *this;
    moved.at.date = date;
    return moved;
}

Outcome EvaluateWork(const Plan& plan) {
    EvaluationInput atWork = plan.at;
    // A date the clocks skip keeps the typed zone.
    atWork.zone = plan.ZoneAt(atWork.date, atWork.time).value_or(plan.at.zone);
    return Evaluate(atWork);
}

DayListing ListDay(const Plan& plan, const Date& date) {
    DayListing listing;
    listing.date = date;
    EvaluationInput dated = plan.at;
    dated.date = date;
    // A date's periods do not depend on the time of work. They take the offset in
    // force at its noon, after any clock change in the small hours, so that its
    // next midnight lies on the same clock as its daylight.
    dated.time = {12, 0, 0};
    const std::optional<ZoneOffset> zone = plan.ZoneAt(date, dated.time);
    if (!zone) {
        listing.skipped = true;
        return listing;
    }
    dated.zone = *zone;
    Outcome outcome = Evaluate(dated);
    if (auto* failure = std::get_if<Failure>(&outcome)) {
        listing.failure = failure->message;
        return listing;
    }
    listing.evaluation = std::get<Evaluation>(std::move(outcome));
    listing.day = DayPeriods(listing.evaluation);
    // The night changes column when the place's clocks reach the next date, which
    // lies off 00:00 of this date's clock where they change at midnight (Santiago,
    // Beirut): ask the zone for that midnight's own offset.
    std::int64_t midnightShift = 0;
    if (plan.zoneFor) {
        if (const auto midnight = plan.zoneFor(AddDays(date, 1), {})) {
            midnightShift = ZoneSeconds(*midnight) - ZoneSeconds(*zone);
        }
    }
    listing.night = NightPeriods(listing.evaluation, midnightShift);
    return listing;
}

std::vector<Period> NightBefore(const Evaluation& e) {
    Evaluation before = e;
    before.result.inputDaySunSet = e.result.previousDaySunSet;
    before.result.nextDaySunRise = e.result.inputDaySunRise;
    before.WorkWeekday = e.WorkWeekday == 1 ? 7 : e.WorkWeekday - 1;
    return NightPeriods(before);
}

std::vector<Period> UnlistedNightBefore(const Plan& plan, const Evaluation& work) {
    if (work.span != SpanKind::NightBeforeSunrise) return {};
    const Date before = AddDays(work.result.dateOfWork, -1);
    if (IsListedDate(before) && plan.ZoneAt(before, {12, 0, 0})) return {};
    return NightBefore(work);
}

std::vector<DayListing> ListDays(const Plan& plan, int count) {
    std::vector<DayListing> days;
    days.reserve(static_cast<std::size_t>(std::clamp(count, 0, kMaxListedDays)));
    for (int i = 0; i < count; ++i) {
        const Date date = AddDays(plan.at.date, i);
        if (!IsListedDate(date)) break;
        DayListing listing = ListDay(plan, date);
        if (!listing.skipped) days.push_back(std::move(listing));
    }
    return days;
}

DayTable TableOfDay(const Plan& plan, const Evaluation* work) {
    DayTable table;
    const Date date = plan.at.date;
    const Date before = AddDays(date, -1);
    if (work && work->span == SpanKind::NightBeforeSunrise && IsListedDate(before)) {
        DayListing night = ListDay(plan, before);
        if (!night.failure && !night.skipped) {
            std::vector<Marks> marks = AlmanacOf(night).night;
            table.sections.push_back({SectionKind::NightBefore, std::move(night.night),
                                      night.evaluation.zone(), std::move(marks)});
        }
    }
    if (work) {
        // A day before with no listing of its own (31 December 1900, a skipped
        // date): its night comes from the time of work's own evaluation.
        std::vector<Period> night = UnlistedNightBefore(plan, *work);
        if (!night.empty()) {
            std::vector<Marks> marks;
            marks.reserve(night.size());
            for (const Period& p : night) marks.push_back(MarksOfPeriod(p, before));
            table.sections.push_back(
                {SectionKind::NightBefore, std::move(night), work->zone(), std::move(marks)});
        }
    }
    DayListing today = ListDay(plan, date);
    if ((today.failure || today.skipped) && work) {
        // The date's noon gave no periods where its time of work did: list them
        // from the time of work's own evaluation.
        today =
            DayListing{date, false, std::nullopt, *work, DayPeriods(*work), NightPeriods(*work)};
    }
    if (today.failure || today.skipped) {
        table.failure = today.failure;
        return table;
    }
    DayAlmanac almanac = AlmanacOf(today);
    const ZoneOffset zone = today.evaluation.zone();
    table.sections.push_back({SectionKind::Day,
                              {today.day.begin(), today.day.end()},
                              zone,
                              {almanac.day.begin(), almanac.day.end()}});
    table.sections.push_back(
        {SectionKind::Night, std::move(today.night), zone, std::move(almanac.night)});
    table.abhijit = almanac.abhijit;
    table.horas = std::move(almanac.horas);
    table.horasZone = zone;
    return table;
}

bool PeriodWanted::Matches(const Period& p) const {
    return verdict ? p.verdict == *verdict : p.name == name;
}

std::optional<NextPeriod> FindNext(const Plan& plan, const PeriodWanted& wanted) {
    const Date date = plan.at.date;
    const Outcome outcome = EvaluateWork(plan);
    const Evaluation* work = std::get_if<Evaluation>(&outcome);

    // The night before the date's sunrise is listed under the day before.
    std::vector<DayListing> days;
    for (int i = -1; i <= kNextSearchDays; ++i) {
        const Date listed = AddDays(date, i);
        if (IsListedDate(listed)) days.push_back(ListDay(plan, listed));
    }
    // Times are compared in Greenwich time: a place's zone may change between dates.
    std::optional<std::int64_t> workUtc;
    if (work) workUtc = work->WorkTime.seconds + ZoneSeconds(work->zone());
    for (const DayListing& d : days) {
        if (!workUtc && !d.failure && !d.skipped) {
            workUtc =
                LocalDateTime::From(date, plan.at.time).seconds + ZoneSeconds(d.evaluation.zone());
        }
    }
    if (!workUtc) return std::nullopt;

    // `listed` is the date whose table the period belongs to: a night keeps the
    // weekday of its sunset for the almanac's marks.
    const auto consider = [&](const Period& p, const ZoneOffset& zone,
                              const Date& listed) -> std::optional<NextPeriod> {
        if (!wanted.Matches(p)) return std::nullopt;
        const Marks marks = MarksOfPeriod(p, listed);
        if (wanted.clear && !marks.Empty()) return std::nullopt;
        const std::int64_t shift = ZoneSeconds(zone);
        const std::int64_t start = p.start.seconds + shift, end = p.end.seconds + shift;
        if (work && HoldsTimeOfWork(*work, p, ZoneSeconds(work->zone()) - shift)) {
            return NextPeriod{p, zone, true, end - *workUtc, marks};
        }
        if (start >= *workUtc) return NextPeriod{p, zone, false, 0, marks};
        return std::nullopt;
    };
    if (work) {
        const Date before = AddDays(date, -1);
        for (const Period& p : UnlistedNightBefore(plan, *work)) {
            if (auto found = consider(p, work->zone(), before)) return found;
        }
    }
    for (const DayListing& d : days) {
        if (d.failure || d.skipped) continue;
        for (const Period& p : d.day) {
            if (auto found = consider(p, d.evaluation.zone(), d.date)) return found;
        }
        for (const Period& p : d.night) {
            if (auto found = consider(p, d.evaluation.zone(), d.date)) return found;
        }
    }
    return std::nullopt;
}

}  // namespace velnora
