// SPDX-License-Identifier: GPL-3.0-or-later
#include "workflow/evaluation.h"

#include <cmath>
#include <cstdlib>
#include <optional>

#include "core/sun_times.h"
#include "workflow/numbers.h"
#include "workflow/validation.h"

namespace velnora {

const std::array<EvaluationResult::Label, 16> EvaluationResult::kLabels = {{
    {"lblName", &EvaluationResult::lblName},
    {"lblDOB", &EvaluationResult::lblDOB},
    {"lblTOB", &EvaluationResult::lblTOB},
    {"lblLatitude", &EvaluationResult::lblLatitude},
    {"lblLongitude", &EvaluationResult::lblLongitude},
    {"lblCity", &EvaluationResult::lblCity},
    {"lblState", &EvaluationResult::lblState},
    {"lblCountry", &EvaluationResult::lblCountry},
    {"lblPreviousDaySunRiseTime", &EvaluationResult::lblPreviousDaySunRiseTime},
    {"lblPreviousDaySunSetTime", &EvaluationResult::lblPreviousDaySunSetTime},
    {"lblInputDaySunRiseTime", &EvaluationResult::lblInputDaySunRiseTime},
    {"lblInputDaySunSetTime", &EvaluationResult::lblInputDaySunSetTime},
    {"lblNextDaySunRiseTime", &EvaluationResult::lblNextDaySunRiseTime},
    {"lblNextDaySunSetTime", &EvaluationResult::lblNextDaySunSetTime},
    {"lblTimePeriod", &EvaluationResult::lblTimePeriod},
    {"lblChaghodiya", &EvaluationResult::lblChaghodiya},
}};

namespace {

constexpr int kFarthestZoneMinutes = 14 * 60;

Failure Refused(MessageId id, Field focus) { return {FailureKind::Refused, {id, focus}}; }

std::string Coordinate(int degrees, int minutes, const char* hemisphere) {
    return std::to_string(degrees) + "\u00B0 " + std::to_string(minutes) + "' " + hemisphere;
}

}  // namespace

namespace {

// Appends n (0..9999) in decimal without leading zeros, or with exactly `width`
// digits when width is given.
char* PutNumber(char* out, int n, int width = 0) {
    char digits[4];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n > 0 && count < 4);
    while (count < width) digits[count++] = '0';
    while (count > 0) *out++ = digits[--count];
    return out;
}

}  // namespace

std::string FormatUsGeneralDate(const LocalDateTime& value) {
    const Date d = value.date();
    const ClockTime t = value.time();
    char text[32];
    char* out = PutNumber(text, d.month);
    *out++ = '/';
    out = PutNumber(out, d.day);
    *out++ = '/';
    out = PutNumber(out, d.year);
    if (!(t == ClockTime{})) {
        *out++ = ' ';
        out = PutNumber(out, t.hour % 12 == 0 ? 12 : t.hour % 12);
        *out++ = ':';
        out = PutNumber(out, t.minute, 2);
        *out++ = ':';
        out = PutNumber(out, t.second, 2);
        for (char c : {' ', t.hour < 12 ? 'A' : 'P', 'M'}) *out++ = c;
    }
    return std::string(text, out);
}

std::int32_t PeriodLength(std::int64_t spanSeconds) {
    return static_cast<std::int32_t>(RoundHalfEven(static_cast<double>(spanSeconds) / 8));
}

int FindPeriod(std::int32_t periodSeconds, std::int64_t elapsedSeconds) {
    for (int k = 1; k <= 7; ++k) {
        if (elapsedSeconds <= std::int64_t{k} * periodSeconds) return k - 1;
    }
    return 7;
}

Outcome Evaluate(const FormValues& f, const DateTimeFormatter& format) {
    if (auto refusal = ValidateInput(f)) return Failure{FailureKind::Refused, *refusal};

    // The lists make these impossible from the window; other callers may not.
    if (f.month < 0 || f.month > 11 || f.day < 0 || f.day >= kDaysInList || f.year < 0 ||
        f.year > kLastYear - kFirstYear) {
        return Failure{FailureKind::Refused, {MessageId::CorrectDateOfWork, Field::None}};
    }
    if (f.hour < 0 || f.hour > 23 || f.minute < 0 || f.minute > 59 || f.second < 0 ||
        f.second > 59) {
        return Failure{FailureKind::Refused, {MessageId::CorrectTimeOfWork, Field::None}};
    }
    const Date date{kFirstYear + f.year, f.month + 1, f.day + 1};
    const ClockTime clock{f.hour, f.minute, f.second};

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
    const auto zoneHours = ToInteger16(f.zoneHour);
    if (!zoneHours) return Refused(MessageId::EnterTimeZone, Field::txtZoneHour);
    const auto zoneMinutes = ToInteger16(f.zoneMinute);
    if (!zoneMinutes) return Refused(MessageId::EnterTimeZone, Field::txtZoneMinute);
    // No zone on Earth lies more than 14 hours from Greenwich; the hours carry the sign.
    if (std::abs(*zoneHours) * 60 + std::abs(*zoneMinutes) > kFarthestZoneMinutes) {
        return Refused(MessageId::EnterTimeZone, Field::txtZoneHour);
    }

    Outcome outcome{std::in_place_type<Evaluation>};  // filled in place, returned without a copy
    Evaluation& e = std::get<Evaluation>(outcome);
    EvaluationResult& r = e.texts;
    r.lblName = f.name;
    r.lblDOB = std::string(kMonthNames[f.month]) + "/" + std::to_string(date.day) + "/" +
               std::to_string(date.year);
    r.lblTOB = std::to_string(clock.hour) + ":" + std::to_string(clock.minute);
    r.lblLatitude = Coordinate(*latDegrees, *latMinutes, f.south ? "S" : "N");
    r.lblLongitude = Coordinate(*lonDegrees, *lonMinutes, f.east ? "E" : "W");
    r.lblCity = f.city;
    r.lblState = f.state;
    r.lblCountry = f.country;

    const SunPlace place({*latDegrees, *latMinutes, f.south, *lonDegrees, *lonMinutes, f.east},
                         {*zoneHours, *zoneMinutes});
    const auto today = place.On(date);
    const auto before = place.On(AddDays(date, -1));
    const auto after = place.On(AddDays(date, 1));
    if (!today || !before || !after) {
        return Failure{FailureKind::NoSunriseSunset, {MessageId::SunDoesNotRiseOrSet, Field::None}};
    }
    // Both times are wrapped onto their own date: a sunset past local midnight, or a
    // sunrise before it, lands on the wrong side of the other and the day would run
    // backwards.
    for (const SunTimes* day : {&*today, &*before, &*after}) {
        if (!(day->sunrise < day->sunset)) {
            return Failure{FailureKind::NoSunriseSunset,
                           {MessageId::SunTimesNotOnThisDate, Field::None}};
        }
    }
    e.InputDaySunRise = today->sunrise;
    e.InputDaySunSet = today->sunset;
    e.PreviousDaySunRise = before->sunrise;
    e.PreviousDaySunSet = before->sunset;
    e.NextDaySunRise = after->sunrise;
    e.NextDaySunSet = after->sunset;

    r.lblPreviousDaySunRiseTime = format(e.PreviousDaySunRise);
    r.lblPreviousDaySunSetTime = format(e.PreviousDaySunSet);
    r.lblInputDaySunRiseTime = format(e.InputDaySunRise);
    r.lblInputDaySunSetTime = format(e.InputDaySunSet);
    r.lblNextDaySunRiseTime = format(e.NextDaySunRise);
    r.lblNextDaySunSetTime = format(e.NextDaySunSet);

    e.WorkTime = LocalDateTime::From(date, clock);
    e.WorkWeekday = WeekdayOf(date);

    if (e.WorkTime < e.InputDaySunRise) {
        e.span = SpanKind::NightBeforeSunrise;
        e.spanStart = e.PreviousDaySunSet;
        e.spanEnd = e.InputDaySunRise;
    } else if (e.WorkTime > e.InputDaySunSet) {
        e.span = SpanKind::NightAfterSunset;
        e.spanStart = e.InputDaySunSet;
        e.spanEnd = e.NextDaySunRise;
    } else {
        e.span = SpanKind::Daylight;
        e.spanStart = e.InputDaySunRise;
        e.spanEnd = e.InputDaySunSet;
    }
    e.SpanSeconds = e.spanEnd - e.spanStart;
    e.PeriodSeconds = PeriodLength(e.SpanSeconds);
    e.ElapsedSeconds = e.WorkTime - e.spanStart;
    e.periodIndex = FindPeriod(e.PeriodSeconds, e.ElapsedSeconds);
    e.zone = {*zoneHours, *zoneMinutes};

    ChoghadiyaState state;
    state.PeriodFlags[e.periodIndex] = true;
    state.WorkWeekday = e.WorkWeekday;
    if (e.span == SpanKind::Daylight) {
        DayChoghadiya(state);
    } else {
        NightChoghadiya(state);
    }
    e.PeriodName = state.PeriodName;
    e.verdict = VerdictOf(e.PeriodName);
    r.lblTimePeriod = VerdictText(e.verdict);
    r.lblChaghodiya = e.PeriodName;
    return outcome;
}

namespace {

std::array<Period, 8> Periods(LocalDateTime start, LocalDateTime end, int weekday, bool night) {
    const std::int32_t length = PeriodLength(end - start);
    std::array<Period, 8> periods;
    for (int k = 0; k < 8; ++k) {
        Period& p = periods[k];
        p.number = k + 1;
        p.start = start + std::int64_t{k} * length;
        p.end = k == 7 ? end : start + std::int64_t{k + 1} * length;
        p.night = night;
        p.weekday = weekday;
        p.name = night ? NightPeriodName(k + 1, weekday) : DayPeriodName(k + 1, weekday);
        p.verdict = VerdictOf(p.name);
    }
    return periods;
}

// The same period named from another weekday's column.
Period InColumn(Period p, int weekday) {
    p.weekday = weekday;
    p.name = NightPeriodName(p.number, weekday);
    p.verdict = VerdictOf(p.name);
    return p;
}

}  // namespace

std::array<Period, 8> DayPeriods(const Evaluation& e) {
    return Periods(e.InputDaySunRise, e.InputDaySunSet, e.WorkWeekday, false);
}

std::vector<Period> NightPeriods(const Evaluation& e) {
    const Date next = AddDays(e.InputDaySunSet.date(), 1);
    const LocalDateTime midnight = LocalDateTime::From(next, {});
    const int nextWeekday = WeekdayOf(next);
    std::vector<Period> listed;
    listed.reserve(kPeriodsPerSpan + 1);
    for (const Period& p : Periods(e.InputDaySunSet, e.NextDaySunRise, e.WorkWeekday, true)) {
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
