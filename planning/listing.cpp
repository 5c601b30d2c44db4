// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/listing.h"

#include <algorithm>

#include "planning/almanac.h"
#include "workflow/numbers.h"

namespace velnora {

Date DateOfWork(const FormValues& f) { return {kFirstYear + f.year, f.month + 1, f.day + 1}; }

FormValues OnDate(FormValues form, const Date& date) {
    form.year = date.year - kFirstYear;
    form.month = date.month - 1;
    form.day = date.day - 1;
    return form;
}

bool IsListedDate(const Date& date) {
    const std::int64_t day = DaysFromCivil(date);
    return day >= DaysFromCivil(kFirstListedDate) && day <= DaysFromCivil(kLastListedDate);
}

DayListing ListDay(const FormValues& form, const Date& date, const ZoneForDate& zoneFor) {
    DayListing listing;
    listing.date = date;
    FormValues dated = OnDate(form, date);
    // A date's periods do not depend on the time of work. They take the offset in
    // force at its noon, after any clock change in the small hours, so that its
    // next midnight lies on the same clock as its daylight.
    dated.hour = 12;
    dated.minute = 0;
    dated.second = 0;
    if (zoneFor && !zoneFor(date, dated)) {
        listing.skipped = true;
        return listing;
    }
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
    FormValues midnight = dated;
    midnight.hour = 0;
    midnight.minute = 0;
    midnight.second = 0;
    if (zoneFor && zoneFor(AddDays(date, 1), midnight)) {
        const auto hours = ToInteger16(midnight.zoneHour);
        const auto minutes = ToInteger16(midnight.zoneMinute);
        if (hours && minutes) {
            midnightShift = ZoneSeconds({*hours, *minutes}) - ZoneSeconds(listing.evaluation.zone);
        }
    }
    listing.night = NightPeriods(listing.evaluation, midnightShift);
    return listing;
}

std::vector<DayListing> ListDays(const FormValues& form, int count, const ZoneForDate& zoneFor) {
    std::vector<DayListing> days;
    days.reserve(static_cast<std::size_t>(std::max(count, 0)));
    const Date first = DateOfWork(form);
    for (int i = 0; i < count; ++i) {
        const Date date = AddDays(first, i);
        if (!IsListedDate(date)) break;
        DayListing listing = ListDay(form, date, zoneFor);
        if (!listing.skipped) days.push_back(std::move(listing));
    }
    return days;
}

bool PeriodWanted::Matches(const Period& p) const {
    return verdict ? p.verdict == *verdict : p.name == name;
}

std::optional<NextPeriod> FindNext(const FormValues& form, const PeriodWanted& wanted,
                                   const ZoneForDate& zoneFor) {
    const Date date = DateOfWork(form);
    FormValues atWork = form;
    if (zoneFor) zoneFor(date, atWork);
    const Outcome outcome = Evaluate(atWork);
    const Evaluation* work = std::get_if<Evaluation>(&outcome);

    // The night before the date's sunrise is listed under the day before.
    std::vector<DayListing> days;
    for (int i = -1; i <= kNextSearchDays; ++i) {
        const Date listed = AddDays(date, i);
        if (IsListedDate(listed)) days.push_back(ListDay(form, listed, zoneFor));
    }
    // Times are compared in Greenwich time: a place's zone may change between dates.
    std::optional<std::int64_t> workUtc;
    if (work) workUtc = work->WorkTime.seconds + ZoneSeconds(work->zone);
    for (const DayListing& d : days) {
        if (!workUtc && !d.failure && !d.skipped) {
            workUtc = LocalDateTime::From(date, {form.hour, form.minute, form.second}).seconds +
                      ZoneSeconds(d.evaluation.zone);
        }
    }
    if (!workUtc) return std::nullopt;

    for (const DayListing& d : days) {
        if (d.failure || d.skipped) continue;
        const std::int64_t shift = ZoneSeconds(d.evaluation.zone);
        const auto consider = [&](const Period& p) -> std::optional<NextPeriod> {
            if (!wanted.Matches(p)) return std::nullopt;
            const Marks marks = MarksOfPeriod(p, d.date);
            if (wanted.clear && !marks.Empty()) return std::nullopt;
            const std::int64_t start = p.start.seconds + shift, end = p.end.seconds + shift;
            if (work && HoldsTimeOfWork(*work, p, ZoneSeconds(work->zone) - shift)) {
                return NextPeriod{p, d.evaluation.zone, true, end - *workUtc, marks};
            }
            if (start >= *workUtc) return NextPeriod{p, d.evaluation.zone, false, 0, marks};
            return std::nullopt;
        };
        for (const Period& p : d.day) {
            if (auto found = consider(p)) return found;
        }
        for (const Period& p : d.night) {
            if (auto found = consider(p)) return found;
        }
    }
    return std::nullopt;
}

}  // namespace velnora
