// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/date_time.h"

namespace velnora {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(const Date& d) {
    return d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= DaysInMonth(d.year, d.month);
}

// Howard Hinnant's days_from_civil / civil_from_days.
std::int64_t DaysFromCivil(const Date& d) {
    const std::int64_t y = d.year - (d.month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (d.month + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + d.day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

Date CivilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

int DayOfYear(const Date& d) {
    return static_cast<int>(DaysFromCivil(d) - DaysFromCivil({d.year, 1, 1})) + 1;
}

int WeekdayOf(const Date& d) {
    // 1 January 1970 was a Thursday (5).
    const std::int64_t w = (DaysFromCivil(d) + 4) % kDaysPerWeek;  // 0 = Sunday
    return static_cast<int>(w < 0 ? w + kDaysPerWeek : w) + 1;
}

Date AddDays(const Date& d, int days) { return CivilFromDays(DaysFromCivil(d) + days); }

LocalDateTime LocalDateTime::From(const Date& d, const ClockTime& t) {
    return {DaysFromCivil(d) * 86400 + std::int64_t{t.hour} * 3600 + std::int64_t{t.minute} * 60 +
            t.second};
}

Date LocalDateTime::date() const {
    std::int64_t days = seconds / 86400;
    if (seconds % 86400 < 0) --days;
    return CivilFromDays(days);
}

ClockTime LocalDateTime::time() const {
    std::int64_t s = seconds % 86400;
    if (s < 0) s += 86400;
    return {static_cast<int>(s / 3600), static_cast<int>(s / 60 % 60), static_cast<int>(s % 60)};
}

void PutDigits(std::string& out, int value, int width) {
    char digits[4];
    for (int i = width - 1; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    out.append(digits, static_cast<std::size_t>(width));
}

std::string IsoDate(const Date& d) {
    std::string text;
    text.reserve(10);
    PutDigits(text, d.year, 4);
    text += '-';
    PutDigits(text, d.month, 2);
    text += '-';
    PutDigits(text, d.day, 2);
    return text;
}

std::string IsoDateTime(const LocalDateTime& reading, std::int64_t secondsEast) {
    const ClockTime t = reading.time();
    const auto east = static_cast<int>(secondsEast < 0 ? -secondsEast : secondsEast);
    std::string text = IsoDate(reading.date());
    text += 'T';
    PutDigits(text, t.hour, 2);
    text += ':';
    PutDigits(text, t.minute, 2);
    text += ':';
    PutDigits(text, t.second, 2);
    text += secondsEast < 0 ? '-' : '+';
    PutDigits(text, east / 3600, 2);
    text += ':';
    PutDigits(text, east / 60 % 60, 2);
    // Local mean time, kept by some zones into the first years, is no whole
    // number of minutes.
    if (east % 60 != 0) {
        text += ':';
        PutDigits(text, east % 60, 2);
    }
    return text;
}

}  // namespace velnora
