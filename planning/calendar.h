// SPDX-License-Identifier: GPL-3.0-or-later
// An iCalendar file (RFC 5545) of listed periods: one event per period, times in
// Greenwich time from the offset each date was computed in, and a UID made of
// the place, the date and the period, so that importing the same days again
// updates the events instead of doubling them. The calendar is named after the
// place, and each event can carry a reminder.
#pragma once

#include <chrono>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "planning/listing.h"

namespace velnora {

struct CalendarRequest {
    std::span<const DayListing> days;
    bool everyPeriod = false;        // false: the favorable periods only
    std::string place;               // the place's description; empty: from the form's texts
    std::chrono::sys_seconds stamp;  // DTSTAMP, the moment the file is written
    // A reminder this many minutes before each event; none when empty.
    std::optional<int> alarmMinutes = std::nullopt;
    bool clearOnly = false;  // leave out the periods that carry an almanac mark
};

// Writes the calendar; returns the number of events.
int WriteCalendar(std::ostream& out, const CalendarRequest& request);

// One content line with its CRLF, folded so that no line is longer than 75 octets
// (never inside a UTF-8 character). Each byte that is not UTF-8 becomes U+FFFD,
// as in the JSON output, so the calendar is always valid UTF-8.
std::string FoldLine(std::string_view line);

// A TEXT value: backslash, semicolon, comma and line breaks escaped, other
// control characters left out.
std::string CalendarText(std::string_view text);

}  // namespace velnora
