// SPDX-License-Identifier: GPL-3.0-or-later
#include "workflow/evaluation.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <utility>

#include "core/sun_times.h"
#include "workflow/numbers.h"
#include "workflow/validation.h"

namespace velnora {

namespace {

constexpr int kFarthestZoneMinutes = 14 * 60;

Failure Refused(MessageId id, Field focus) { return {FailureKind::Refused, {id, focus}}; }

Failure NoSunTimes(MessageId id, Field focus = Field::None, std::optional<Date> date = {}) {
    return {FailureKind::NoSunriseSunset, {id, focus, date}};
}

// Seconds from `a` to `b` the short way round the clock face, so that a zone
// 23 hours east counts as 1 hour west.
std::int64_t AroundTheClock(std::int64_t a, std::int64_t b) {
    constexpr std::int64_t kDay = 86400;
    std::int64_t d = ((b - a) % kDay + kDay) % kDay;
    if (d > kDay / 2) d = kDay - d;
    return d;
}

// A zone typed with the wrong sign: far from the longitude's own time (an hour
// for every 15 degrees) while the same zone of the other sign lies close to it.
// India typed as hours 5, minutes 30 at 72 degrees east is one.
bool ZoneSignLooksTurned(const GeoPosition& at, const ZoneOffset& zone) {
    constexpr std::int64_t kNear = std::int64_t{3} * 3600;  // no zone keeps its clocks farther off
    const double degrees = SignedDegrees(at.longitude);
    const auto own = static_cast<std::int64_t>(std::lround(degrees * 240));  // seconds east
    const std::int64_t typed = -ZoneSeconds(zone);
    return AroundTheClock(own, typed) > kNear && AroundTheClock(own, -typed) <= kNear;
}

// The sunset of a day that runs backwards fell after its midnight and was
// wrapped onto the morning; a sunrise wrapped from the evening before lies late.
bool SunSetAfterMidnight(const SunTimes& day) {
    constexpr std::int64_t kNoon = std::int64_t{12} * 3600;
    return day.sunset - LocalDateTime::From(day.sunset.date(), {}) < kNoon &&
           day.sunrise - LocalDateTime::From(day.sunrise.date(), {}) < kNoon;
}

}  // namespace

std::int32_t PeriodLength(std::int64_t spanSeconds) {
    return static_cast<std::int32_t>(
        RoundHalfEven(static_cast<double>(spanSeconds) / kPeriodsPerSpan));
}

int FindPeriod(std::int32_t periodSeconds, std::int64_t elapsedSeconds) {
    constexpr int kLast = kPeriodsPerSpan - 1;
    for (int k = 1; k <= kLast; ++k) {
        if (elapsedSeconds <= std::int64_t{k} * periodSeconds) return k - 1;
    }
    return kLast;
}

namespace {

// The zone the form's two texts give, or why they give none.
std::variant<ZoneOffset, Failure> ReadZone(const FormValues& f) {
    const auto zoneHours = ToInteger16(f.zoneHour);
    if (!zoneHours) return Refused(MessageId::EnterTimeZone, Field::txtZoneHour);
    const auto zoneMinutes = ToInteger16(f.zoneMinute);
    if (!zoneMinutes) return Refused(MessageId::EnterTimeZone, Field::txtZoneMinute);
    // No zone on Earth lies more than 14 hours from Greenwich; the hours carry the sign.
    if (std::abs(*zoneHours) * 60 + std::abs(*zoneMinutes) > kFarthestZoneMinutes) {
        return Refused(MessageId::EnterTimeZone, Field::txtZoneHour);
    }
    return ZoneOffset{*zoneHours, *zoneMinutes};
}

}  // namespace

std::variant<EvaluationInput, Failure> ReadForm(const FormValues& f,
                                                const std::optional<ZoneOffset>& zone) {
    if (auto refusal = ValidateInput(f)) return Failure{FailureKind::Refused, *refusal};

    // The lists make these impossible from the window; other callers may not.
    if (f.month < 0 || f.month >= kMonthsInList || f.day < 0 || f.day >= kDaysInList ||
        f.year < 0 || f.year > kLastYear - kFirstYear) {
        return Failure{FailureKind::Refused, {MessageId::CorrectDateOfWork, Field::None}};
    }
    if (f.hour < 0 || f.hour > 23 || f.minute < 0 || f.minute > 59 || f.second < 0 ||
        f.second > 59) {
        return Failure{FailureKind::Refused, {MessageId::CorrectTimeOfWork, Field::None}};
    }

    // Degree texts pass validation on their leading number ("12a"), but only a
    // whole number can be used.
    const auto lonDegrees = ToInteger16(f.lonDegrees);
    if (!lonDegrees) {
        return Refused(MessageId::LongitudeDegrees, Field::txtLonD);
    }
    const auto lonMinutes = ToInteger16(f.lonMinutes);
    const auto latDegrees = ToInteger16(f.latDegrees);
    if (!latDegrees) {
        return Refused(MessageId::LatitudeDegrees, Field::txtLatD);
    }
    const auto latMinutes = ToInteger16(f.latMinutes);
    auto read = zone ? std::variant<ZoneOffset, Failure>(*zone) : ReadZone(f);
    if (const auto* failure = std::get_if<Failure>(&read)) return *failure;
    return EvaluationInput{
        f.name,
        ListedDate(f),
        {f.hour, f.minute, f.second},
        {{*latDegrees, *latMinutes, f.south ? Hemisphere::South : Hemisphere::North},
         {*lonDegrees, *lonMinutes, f.east ? Hemisphere::East : Hemisphere::West}},
        std::get<ZoneOffset>(read),
        f.city,
        f.state,
        f.country};
}

Outcome Evaluate(const FormValues& f) {
    auto read = ReadForm(f);
    if (const auto* failure = std::get_if<Failure>(&read)) return *failure;
    return Evaluate(std::get<EvaluationInput>(read));
}

Outcome Evaluate(const EvaluationInput& in) {
    const Date& date = in.date;
    if (date.year < kFirstYear || date.year > kLastYear || !IsValidDate(date)) {
        return Failure{FailureKind::Refused, {MessageId::CorrectDateOfWork, Field::None}};
    }
    const GeoPosition& position = in.position;
    Outcome outcome{std::in_place_type<Evaluation>};  // filled in place, returned without a copy
    Evaluation& e = std::get<Evaluation>(outcome);
    EvaluationResult& r = e.result;
    r.name = in.name;
    r.dateOfWork = date;
    r.timeOfWork = in.time;
    r.latitude = position.latitude;
    r.longitude = position.longitude;
    r.city = in.city;
    r.state = in.state;
    r.country = in.country;

    const ZoneOffset& typedZone = in.zone;
    const SunPlace place(position, typedZone);
    const auto today = place.On(date);
    const auto before = place.On(AddDays(date, -1));
    const auto after = place.On(AddDays(date, 1));
    if (!today || !before || !after) return NoSunTimes(MessageId::SunDoesNotRiseOrSet);
    // Both times are wrapped onto their own date: a sunset past local midnight, or a
    // sunrise before it, lands on the wrong side of the other and the day would run
    // backwards. The message names the likeliest cause: a zone typed with the wrong
    // sign, or a neighbouring date whose sunset falls after midnight.
    const auto backwards = [](const SunTimes& day) { return !(day.sunrise < day.sunset); };
    if (backwards(*today) || backwards(*before) || backwards(*after)) {
        if (ZoneSignLooksTurned(position, typedZone)) {
            return NoSunTimes(MessageId::CheckZoneSign, Field::txtZoneHour);
        }
        if (!backwards(*today)) {
            const auto& [neighbour, day] = backwards(*after)
                                               ? std::pair{AddDays(date, 1), &*after}
                                               : std::pair{AddDays(date, -1), &*before};
            if (SunSetAfterMidnight(*day)) {
                return NoSunTimes(MessageId::NeighbourSunSetAfterMidnight, Field::None, neighbour);
            }
        }
        return NoSunTimes(MessageId::SunTimesNotOnThisDate);
    }
    r.previousDaySunRise = before->sunrise;
    r.previousDaySunSet = before->sunset;
    r.inputDaySunRise = today->sunrise;
    r.inputDaySunSet = today->sunset;
    r.nextDaySunRise = after->sunrise;
    r.nextDaySunSet = after->sunset;

    e.WorkTime = LocalDateTime::From(date, in.time);
    e.WorkWeekday = WeekdayOf(date);

    if (e.WorkTime < r.inputDaySunRise) {
        e.span = SpanKind::NightBeforeSunrise;
        e.spanStart = r.previousDaySunSet;
        e.spanEnd = r.inputDaySunRise;
    } else if (e.WorkTime > r.inputDaySunSet) {
        e.span = SpanKind::NightAfterSunset;
        e.spanStart = r.inputDaySunSet;
        e.spanEnd = r.nextDaySunRise;
    } else {
        e.span = SpanKind::Daylight;
        e.spanStart = r.inputDaySunRise;
        e.spanEnd = r.inputDaySunSet;
    }
    e.SpanSeconds = e.spanEnd - e.spanStart;
    e.PeriodSeconds = PeriodLength(e.SpanSeconds);
    e.ElapsedSeconds = e.WorkTime - e.spanStart;
    e.periodIndex = FindPeriod(e.PeriodSeconds, e.ElapsedSeconds);
    r.zone = typedZone;

    ChoghadiyaState state;
    state.PeriodFlags[e.periodIndex] = true;
    state.WorkWeekday = e.WorkWeekday;
    if (e.span == SpanKind::Daylight) {
        DayChoghadiya(state);
    } else {
        NightChoghadiya(state);
    }
    r.period = state.PeriodName;
    r.verdict = VerdictOf(r.period);
    return outcome;
}

namespace {

std::array<Period, kPeriodsPerSpan> Periods(LocalDateTime start, LocalDateTime end, int weekday,
                                            bool night) {
    const std::int32_t length = PeriodLength(end - start);
    std::array<Period, kPeriodsPerSpan> periods;
    for (int k = 0; k < kPeriodsPerSpan; ++k) {
        Period& p = periods[k];
        p.number = k + 1;
        p.start = start + std::int64_t{k} * length;
        p.end = k == kPeriodsPerSpan - 1 ? end : start + std::int64_t{k + 1} * length;
        p.night = night;
        p.weekday = weekday;
        // The weekday comes from WeekdayOf, so every lookup finds a name.
        p.name = (night ? NightPeriodName(k + 1, weekday) : DayPeriodName(k + 1, weekday)).value();
        p.verdict = VerdictOf(p.name);
    }
    return periods;
}

// The same period named from another weekday's column.
Period InColumn(Period p, int weekday) {
    p.weekday = weekday;
    p.name = NightPeriodName(p.number, weekday).value();
    p.verdict = VerdictOf(p.name);
    return p;
}

}  // namespace

std::array<Period, kPeriodsPerSpan> DayPeriods(const Evaluation& e) {
    return Periods(e.result.inputDaySunRise, e.result.inputDaySunSet, e.WorkWeekday, false);
}

std::vector<Period> NightPeriods(const Evaluation& e, std::int64_t midnightShift) {
    const Date next = AddDays(e.result.inputDaySunSet.date(), 1);
    const LocalDateTime midnight = LocalDateTime::From(next, {}) + midnightShift;
    const int nextWeekday = WeekdayOf(next);
    std::vector<Period> listed;
    listed.reserve(kPeriodsPerSpan + 1);
    for (const Period& p :
         Periods(e.result.inputDaySunSet, e.result.nextDaySunRise, e.WorkWeekday, true)) {
        if (p.end <= midnight) {
            listed.push_back(p);
        } else if (p.start >= midnight) {
            listed.push_back(InColumn(p, nextWeekday));
        } else {
            Period before = p;
            before.end = midnight;
            listed.push_back(before);
            Period after = InColumn(p, nextWeekday);
            after.start = midnight;
            listed.push_back(after);
        }
    }
    return listed;
}

bool HoldsTimeOfWork(const Evaluation& e, const Period& p, std::int64_t shift) {
    const LocalDateTime t = e.WorkTime + shift;
    return p.night == (e.span != SpanKind::Daylight) && p.number == e.periodIndex + 1 &&
           p.weekday == e.WorkWeekday && p.start <= t && t <= p.end;
}

}  // namespace velnora
