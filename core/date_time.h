// SPDX-License-Identifier: GPL-3.0-or-later
// Calendar dates and local clock times (proleptic Gregorian, no time zone).
//
// A LocalDateTime is a count of seconds from 1 January 1970, 00:00:00 local clock
// time, so two of them compare directly and subtract to whole seconds.
#pragma once

#include <compare>
#include <cstdint>
#include <string>

namespace velnora {

struct Date {
    int year = 1970;
    int month = 1;  // 1 to 12
    int day = 1;    // 1 to 31
    friend constexpr bool operator==(const Date&, const Date&) = default;
};

// Weekday numbers: 1 = Sunday, 2 = Monday ... 7 = Saturday.
enum Weekday : int { Sunday = 1, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday };
inline constexpr int kDaysPerWeek = 7;

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(const Date& d);

// Days since 1 January 1970 (negative before it).
std::int64_t DaysFromCivil(const Date& d);
Date CivilFromDays(std::int64_t days);

// 1 for 1 January.
int DayOfYear(const Date& d);
int WeekdayOf(const Date& d);
Date AddDays(const Date& d, int days);

struct ClockTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
    friend constexpr bool operator==(const ClockTime&, const ClockTime&) = default;
};

struct LocalDateTime {
    std::int64_t seconds = 0;  // since 1970-01-01 00:00:00 local clock time

    static LocalDateTime From(const Date& d, const ClockTime& t);
    Date date() const;
    ClockTime time() const;

    friend constexpr auto operator<=>(const LocalDateTime&, const LocalDateTime&) = default;
    friend constexpr std::int64_t operator-(LocalDateTime a, LocalDateTime b) {
        return a.seconds - b.seconds;
    }
    friend constexpr LocalDateTime operator+(LocalDateTime a, std::int64_t s) {
        return {a.seconds + s};
    }
};

// ISO 8601 digits, the same in every language: `value` (0..9999) appended as
// exactly `width` digits; "2024-03-10"; and "2024-03-10T07:16:00-04:00" for a
// clock reading and the offset in force then (seconds east of Greenwich; seconds
// are written only for an offset that is no whole number of minutes).
void PutDigits(std::string& out, int value, int width);
std::string IsoDate(const Date& date);
std::string IsoDateTime(const LocalDateTime& reading, std::int64_t secondsEast);

}  // namespace velnora
