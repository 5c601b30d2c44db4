// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluation behind "Proceed": from the form's values to the sixteen texts of
// the result window.
//
// Data flow: validate -> read the numbers -> sun times of the day before, the day
// and the day after -> choose the span (daylight, night before sunrise, night after
// sunset) -> eight equal periods -> the flagged period -> its name and verdict.
// Any step that cannot be carried out gives a Failure with a message for the user
// and no result at all, never a mixture of old and new values.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "core/choghadiya.h"
#include "core/date_time.h"
#include "core/sun_times.h"
#include "workflow/form_values.h"

namespace velnora {

// The sixteen label texts of frmDisplay.
struct EvaluationResult {
    std::string lblName, lblDOB, lblTOB, lblLatitude, lblLongitude, lblCity, lblState, lblCountry;
    std::string lblPreviousDaySunRiseTime, lblPreviousDaySunSetTime;
    std::string lblInputDaySunRiseTime, lblInputDaySunSetTime;
    std::string lblNextDaySunRiseTime, lblNextDaySunSetTime;
    std::string lblTimePeriod, lblChaghodiya;

    // The label names in display order with their members, for code that walks all
    // sixteen (the result window, the command-line tool).
    struct Label {
        std::string_view name;
        std::string EvaluationResult::*text;
    };
    static const std::array<Label, 16> kLabels;
};

enum class SpanKind { Daylight, NightBeforeSunrise, NightAfterSunset };

struct Evaluation {
    EvaluationResult texts;
    LocalDateTime PreviousDaySunRise, PreviousDaySunSet;
    LocalDateTime InputDaySunRise, InputDaySunSet;
    LocalDateTime NextDaySunRise, NextDaySunSet;
    LocalDateTime WorkTime;
    int WorkWeekday = 0;  // 1 = Sunday ... 7 = Saturday, of the date of work
    SpanKind span = SpanKind::Daylight;
    LocalDateTime spanStart, spanEnd;
    std::int64_t SpanSeconds = 0;
    std::int32_t PeriodSeconds = 0;
    std::int64_t ElapsedSeconds = 0;
    ZoneOffset zone;      // the zone the sun times are in
    int periodIndex = 0;  // 0..7, the flagged entry of PeriodFlags
    std::string PeriodName;
    Verdict verdict = Verdict::Unfavorable;
};

enum class FailureKind {
    Refused,         // the input was refused; the message says which field
    NoSunriseSunset  // polar day or night, or a sunset not after its sunrise, on one of
                     // the three days
};

struct Failure {
    FailureKind kind = FailureKind::Refused;
    Message message;
};

using Outcome = std::variant<Evaluation, Failure>;

// Turns a sun time into its display text (the locale's general date form).
using DateTimeFormatter = std::function<std::string(const LocalDateTime&)>;

// The United States English general date form: "3/5/2024 6:12:00 AM", and the
// date alone ("3/5/2024") for a time of exactly midnight.
std::string FormatUsGeneralDate(const LocalDateTime& value);

Outcome Evaluate(const FormValues& form, const DateTimeFormatter& format = FormatUsGeneralDate);

// Eight periods of a span, each with its start and end; the eighth ends at the
// span's end and takes what rounding of the period length leaves over.
struct Period {
    int number = 0;  // 1..8
    LocalDateTime start, end;
    bool night = false;
    int weekday = 0;  // the table column that names it, 1 = Sunday ... 7 = Saturday
    std::string_view name;
    Verdict verdict = Verdict::Unfavorable;
};

std::int32_t PeriodLength(std::int64_t spanSeconds);  // span / 8, halves to even
// The period index 0..7 that holds `elapsed` seconds into a span; a time on a
// boundary belongs to the earlier period.
int FindPeriod(std::int32_t periodSeconds, std::int64_t elapsedSeconds);

// The periods of the date of work as the evaluation names each moment inside
// them. A time takes its own date's weekday column, so the night after sunset
// changes column at midnight: its periods after midnight take the next date's
// column, and the period that spans midnight is listed twice with the same
// number, the first entry ending and the second starting at midnight.
std::array<Period, 8> DayPeriods(const Evaluation& e);  // sunrise to sunset of the date
std::vector<Period> NightPeriods(const Evaluation& e);  // its sunset to the next sunrise

// Whether `p` is the entry that holds the evaluation's time of work; `shift` is
// added to the time of work when `p` is in another zone's clock.
bool HoldsTimeOfWork(const Evaluation& e, const Period& p, std::int64_t shift = 0);

}  // namespace velnora
