// SPDX-License-Identifier: GPL-3.0-or-later
// The almanac beside velnora-cli's lists of periods: each period's marks, the
// day's Abhijit Muhurat and its 24 horas, in text and in JSON.
#pragma once

#include <iosfwd>

#include "cli/periods.h"
#include "planning/almanac.h"

namespace velnora::cli {

// {"start": ..., "end": ..., "startIso": ..., "endIso": ...}, or null.
void WriteJsonAbhijit(std::ostream& out, const std::optional<TimeSpan>& abhijit,
                      const PeriodMarks& marks);
// The horas as a JSON array; the one that holds the time of work has "timeOfWork": true.
void WriteJsonHoras(std::ostream& out, const std::vector<Hora>& horas, const PeriodMarks& marks);

// "Abhijit Muhurat: ... to ...", or that there is none on a Wednesday.
void WriteTextAbhijit(std::ostream& out, const std::optional<TimeSpan>& abhijit,
                      const PeriodMarks& marks);
// A heading and one line per hora; the one that holds the time of work is marked.
void WriteTextHoras(std::ostream& out, const std::vector<Hora>& horas, const PeriodMarks& marks);

}  // namespace velnora::cli
