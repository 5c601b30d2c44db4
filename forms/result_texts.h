// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' words for the workflow's values: months, period names, verdicts,
// dates, times and coordinates, in the user's language. Names and sentences go
// through the translation tables; dates and times through the default QLocale.
//
// In English and in the "C" locale the texts are the program's United States
// English ones: "March/5/2024", "9:5", sun times "3/5/2024 6:58:00 AM". In any
// other language every date follows that locale's short date (with the full
// year) and every time its own clock, so a date of work and the sun times beside
// it read the same way round.
#pragma once

#include <QString>
#include <array>
#include <optional>

#include "core/almanac.h"
#include "workflow/evaluation.h"

namespace velnora {

QString MonthText(int month);  // 1 = January ... 12 = December, as cboMonth lists them
QString PeriodText(std::optional<Choghadiya> name);  // empty when there is none
QString VerdictText(Verdict verdict);                // the result window's sentence
QString VerdictWordText(Verdict verdict);            // the word alone: "favorable"
QString MarkText(Mark mark);                         // "Vaar Vela" ... "Gulika Kaal"
QString MarksText(Marks marks);                      // the marks a part carries, listed
QString PlanetText(Planet planet);                   // "Sun" ... "Saturn"

QString SunTimeText(const LocalDateTime& value);  // a time of exactly midnight: the date alone
QString ClockText(const ClockTime& time);         // to the second: "6:58:00 AM"
QString DateOfWorkText(const Date& date);
QString TimeOfWorkText(const ClockTime& time);  // hour and minute
QString CoordinateText(const Angle& coordinate);

// The sixteen texts of frmDisplay in the order of kResultLabels.
std::array<QString, kResultLabels.size()> ResultTexts(const EvaluationResult& result);

}  // namespace velnora
