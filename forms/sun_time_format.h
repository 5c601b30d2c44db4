// SPDX-License-Identifier: GPL-3.0-or-later
// How the result window writes a sun time: the locale's general date-and-time
// form, that is its short date, a blank and its long time without the time zone
// ("3/5/2024 6:58:00 AM" in United States English, "05.03.2024 06:58:00" in
// German). A time of exactly midnight shows the date alone. The "C" locale, which
// has no forms of its own, gets the United States English ones.
#pragma once

#include <QLocale>

#include "workflow/evaluation.h"

namespace velnora {

std::string FormatGeneralDate(const QLocale& locale, const LocalDateTime& value);

// A formatter for Evaluate, bound to `locale` (QLocale::system() in the program).
DateTimeFormatter LocaleDateTimeFormatter(const QLocale& locale);

}  // namespace velnora
