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

// The words of a calendar, from the edge that writes it: velnora-cli's English,
// the windows' language. Each returns plain text; the writer escapes it.
class CalendarWords {
public:
    virtual ~CalendarWords() = default;
    // The place of a listed date when the request names none.
    virtual std::string place(const EvaluationResult& result) const = 0;
    // The calendar's name: "Choghadiya at Ahmedabad, Gujarat, India", or without
    // a place when there is none.
    virtual std::string calendarName(const std::string* place) const = 0;
    // What the calendar covers: which periods (`clearOnly`: those without an almanac
    // mark), of how many days, from when to when.
    virtual std::string coverage(bool everyPeriod, bool clearOnly, int days, const Date* first,
                                 const Date* last) const = 0;
    virtual std::string summary(const Period& period) const = 0;
    // What an event is, with the almanac marks it carries; `afterMidnight` and
    // `beforeMidnight` name a part of a period split at midnight.
    virtual std::string description(const Period& period, Marks marks, const std::string& place,
                                    bool afterMidnight, bool beforeMidnight) const = 0;
    // The reminder's text, `minutes` before the period begins.
    virtual std::string reminder(const Period& period, int minutes) const = 0;
};

struct CalendarRequest {
    const CalendarWords& words;
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
