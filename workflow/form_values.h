// SPDX-License-Identifier: GPL-3.0-or-later
// The main form's values as the workflow sees them, the fixed contents of its
// drop-down lists, and the messages the workflow gives back to the form.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/date_time.h"
#include "messages/messages.h"

namespace velnora {

inline constexpr int kMonthsInList = 12;  // cboMonth: January to December
inline constexpr int kFirstYear = 1901;   // cboYear runs 1901..2050
inline constexpr int kLastYear = 2050;
inline constexpr int kDaysInList = 31;  // cboDate offers 1..31 for every month

// Everything the evaluation reads from frmMain. The six drop-down lists are given
// by list position (0 = first entry); their texts follow from the positions:
// cboDate position p is day p + 1, cboYear position p is 1901 + p, and cboHour,
// cboMinute and cboSecond hold their own positions as numbers.
struct FormValues {
    std::string name;                    // txtName, exactly as typed
    int month = 0;                       // cboMonth, 0 = January
    int day = 0;                         // cboDate
    int year = 0;                        // cboYear
    int hour = 0;                        // cboHour
    int minute = 0;                      // cboMinute
    int second = 0;                      // cboSecond
    std::string latDegrees, latMinutes;  // txtLatD, txtLatM
    bool south = false;                  // optLat: "North" (false) or "South"
    std::string lonDegrees, lonMinutes;  // txtLonD, txtLonM
    bool east = true;                    // optLong: "East" (true) or "West"
    std::string zoneHour, zoneMinute;    // txtZoneHour, txtZoneMinute: west positive
    std::string city, state, country;    // txtMCity, txtMState, txtMCountry
};

// The date the form's three date lists show (31 February stays as it is), and
// the form with its lists moved to `date`.
constexpr Date ListedDate(const FormValues& form) {
    return {kFirstYear + form.year, form.month + 1, form.day + 1};
}
constexpr void SetListedDate(FormValues& form, const Date& date) {
    form.year = date.year - kFirstYear;
    form.month = date.month - 1;
    form.day = date.day - 1;
}

// Where the input focus goes after a message; None leaves it where it is.
enum class Field {
    None,
    txtName,
    txtLonD,
    txtLonM,
    txtLatD,
    txtLatM,
    txtZoneHour,
    txtZoneMinute,
    txtMCity,
    txtMState,
    txtMCountry,
};

// A message of the table and where the focus goes after it, with the date it
// names when its text has one (%1).
struct Message {
    MessageId id;
    Field focus = Field::None;
    std::optional<Date> date = std::nullopt;
    Icon icon() const { return MessageIcon(id); }
    friend bool operator==(const Message&, const Message&) = default;
};

}  // namespace velnora
