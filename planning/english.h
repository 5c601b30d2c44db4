// SPDX-License-Identifier: GPL-3.0-or-later
// velnora-cli's words: the one place where its periods, verdicts, months, dates
// and coordinates become English text. The workflow gives values; the command
// line always speaks United States English, whatever the user's locale.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/almanac.h"
#include "workflow/evaluation.h"

// The English words are a namespace of their own: the windows' translated words
// carry the same names.
namespace velnora::english {

// cboMonth's entries, January first: the names --month takes.
inline constexpr std::array<std::string_view, kMonthsInList> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

std::string_view PeriodName(Choghadiya name);                  // "Amrut" ... "Kal"
std::string_view PeriodName(std::optional<Choghadiya> name);   // empty when there is none
std::optional<Choghadiya> PeriodNamed(std::string_view name);  // exact spelling
// The names as people type them, in any case: the spelling above and the common
// others ("Amrit", "Shub", "Laabh", "Char", "Udvega", "Roga", "Kaal").
std::optional<Choghadiya> PeriodSpelled(std::string_view text);
// "favorable", "intermediate", "unfavorable" in any case, also as "favourable".
std::optional<Verdict> VerdictSpelled(std::string_view text);
// A month by its name or its first three letters (and "Sept"), in any case: 1..12.
std::optional<int> MonthSpelled(std::string_view text);
std::string_view VerdictText(Verdict verdict);  // "Time period for work can be favorable."
std::string_view VerdictWord(Verdict verdict);  // "favorable", "intermediate", "unfavorable"
std::string_view WeekdayName(int weekday);      // 1 = "Sunday" ... 7 = "Saturday"
std::string_view MarkName(Mark mark);           // "Vaar Vela" ... "Gulika Kaal"
std::string_view MarkCode(Mark mark);           // the JSON's: "vaarVela" ... "gulikaKaal"
std::string MarkNames(Marks marks);             // "Kaal Vela, Gulika Kaal"; empty for none
std::string_view PlanetName(Planet planet);     // "Sun" ... "Saturn"

// The United States English general date form: "3/5/2024 6:12:00 AM", and the
// date alone ("3/5/2024") for a time of exactly midnight.
std::string UsGeneralDate(const LocalDateTime& value);
// How a listing writes a time: UsGeneralDate, or that of the place's clocks.
using DateTimeFormatter = std::function<std::string(const LocalDateTime&)>;
std::string DateOfWorkText(const Date& date);       // "March/5/2024"
std::string TimeOfWorkText(const ClockTime& time);  // "9:5": hour and minute, no seconds
std::string CoordinateText(const Angle& c);         // "23° 2' N"

// The sixteen texts of the result in the order of kResultLabels, the sun times
// written by `time`.
std::array<std::string, kResultLabels.size()> ResultTexts(
    const EvaluationResult& result, const DateTimeFormatter& time = UsGeneralDate);

}  // namespace velnora::english
