// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluation behind "Proceed": from the form's values to the sixteen values
// that the result window shows.
//
// Data flow: validate -> read the numbers -> sun times of the day before, the day
// and the day after -> choose the span (daylight, night before sunrise, night after
// sunset) -> eight equal periods -> the flagged period -> its name and verdict.
// Any step that cannot be carried out gives a Failure with a message for the user
// and no result at all, never a mixture of old and new values.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/angle.h"
#include "core/choghadiya.h"
#include "core/date_time.h"
#include "core/sun_times.h"
#include "workflow/form_values.h"

namespace velnora {

// What the result window shows, as values: the windows and velnora-cli make the
// words. Each member names the label of frmDisplay that shows it.
struct EvaluationResult {
    std::string name;                        // lblName, exactly as typed
    Date dateOfWork;                         // lblDOB
    ClockTime timeOfWork;                    // lblTOB shows its hour and minute
    Angle latitude;                          // lblLatitude
    Angle longitude;                         // lblLongitude
    std::string city, state, country;        // lblCity, lblState, lblCountry, as typed
    ZoneOffset zone;                         // the zone the sun times are in
    LocalDateTime previousDaySunRise;        // lblPreviousDaySunRiseTime
    LocalDateTime previousDaySunSet;         // lblPreviousDaySunSetTime
    LocalDateTime inputDaySunRise;           // lblInputDaySunRiseTime
    LocalDateTime inputDaySunSet;            // lblInputDaySunSetTime
    LocalDateTime nextDaySunRise;            // lblNextDaySunRiseTime
    LocalDateTime nextDaySunSet;             // lblNextDaySunSetTime
    Verdict verdict = Verdict::Unfavorable;  // lblTimePeriod
    std::optional<Choghadiya> period;        // lblChaghodiya
};

// The sixteen labels of frmDisplay that show a result, in display order: the
// result window's value labels and the keys of velnora-cli's JSON.
inline constexpr std::array<std::string_view, 16> kResultLabels = {
    "lblName",
    "lblDOB",
    "lblTOB",
    "lblLatitude",
    "lblLongitude",
    "lblCity",
    "lblState",
    "lblCountry",
    "lblPreviousDaySunRiseTime",
    "lblPreviousDaySunSetTime",
    "lblInputDaySunRiseTime",
    "lblInputDaySunSetTime",
    "lblNextDaySunRiseTime",
    "lblNextDaySunSetTime",
    "lblTimePeriod",
    "lblChaghodiya",
};

enum class SpanKind { Daylight, NightBeforeSunrise, NightAfterSunset };

// The result and how the evaluation reached it; the sun times, the zone, the
// verdict and the period are the result's.
struct Evaluation {
    EvaluationResult result;
    LocalDateTime WorkTime;
    int WorkWeekday = 0;  // 1 = Sunday ... 7 = Saturday, of the date of work
    SpanKind span = SpanKind::Daylight;
    LocalDateTime spanStart, spanEnd;
    std::int64_t SpanSeconds = 0;
    std::int32_t PeriodSeconds = 0;
    std::int64_t ElapsedSeconds = 0;
    int periodIndex = 0;  // 0..7, the flagged entry of PeriodFlags
    const ZoneOffset& zone() const { return result.zone; }  // the zone the sun times are in
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

// What the evaluation computes from once the form's texts are read: the place,
// the date and time of work and the zone its clocks keep.
struct EvaluationInput {
    std::string name;  // as typed
    Date date;
    ClockTime time;
    GeoPosition position;
    ZoneOffset zone;
    std::string city, state, country;  // as typed
};

// The form's texts and list positions read as values, or why they cannot be. A
// `zone` already known (the place's) stands for the form's two zone texts.
std::variant<EvaluationInput, Failure> ReadForm(const FormValues& form,
                                                const std::optional<ZoneOffset>& zone = {});
// The evaluation of values read from a form; a date outside the year list is
// refused.
Outcome Evaluate(const EvaluationInput& input);
Outcome Evaluate(const FormValues& form);

// Eight periods of a span, each with its start and end; the eighth ends at the
// span's end and takes what rounding of the period length leaves over.
struct Period {
    int number = 0;  // 1..8
    LocalDateTime start, end;
    bool night = false;
    int weekday = 0;  // the table column that names it, 1 = Sunday ... 7 = Saturday
    Choghadiya name = Choghadiya::Udveg;
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
std::array<Period, kPeriodsPerSpan> DayPeriods(
    const Evaluation& e);  // sunrise to sunset of the date
// Its sunset to the next sunrise. Where the place's clocks change at midnight the
// next date begins `midnightShift` seconds after 00:00 on the evaluation's clock
// (3600 when they go back from 0:00 to 23:00 in the evaluation's summer time).
std::vector<Period> NightPeriods(const Evaluation& e, std::int64_t midnightShift = 0);

// Whether `p` is the entry that holds the evaluation's time of work; `shift` is
// added to the time of work when `p` is in another zone's clock.
bool HoldsTimeOfWork(const Evaluation& e, const Period& p, std::int64_t shift = 0);

}  // namespace velnora
