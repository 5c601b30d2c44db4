// SPDX-License-Identifier: GPL-3.0-or-later
// Filled-in main forms for workflow tests: the worked example of a user at
// 23 deg 2 min N, 72 deg 35 min E in India's zone, and Reykjavik, where the
// midsummer sunset falls after local midnight.
#pragma once

#include "workflow/form_values.h"

namespace velnora::testing_support {

inline FormValues Ahmedabad(int year, int month, int day, int hour, int minute, int second) {
    FormValues f;
    f.name = "RAM";
    f.month = month - 1;
    f.day = day - 1;
    f.year = year - kFirstYear;
    f.hour = hour;
    f.minute = minute;
    f.second = second;
    f.latDegrees = "23";
    f.latMinutes = "2";
    f.lonDegrees = "72";
    f.lonMinutes = "35";
    f.zoneHour = "-5";
    f.zoneMinute = "-30";
    return f;
}

inline FormValues Reykjavik(int year, int month, int day, int hour, int minute, int second) {
    FormValues f = Ahmedabad(year, month, day, hour, minute, second);
    f.latDegrees = "64";
    f.latMinutes = "8";
    f.lonDegrees = "21";
    f.lonMinutes = "54";
    f.east = false;
    f.zoneHour = "0";
    f.zoneMinute = "0";
    return f;
}

}  // namespace velnora::testing_support
