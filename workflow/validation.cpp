// SPDX-License-Identifier: GPL-3.0-or-later
#include "workflow/validation.h"

#include "workflow/numbers.h"

namespace velnora {
namespace {

// Degree boxes are read by their leading number, so "12a" passes as 12.
bool DegreesOutOfRange(const std::string& text, double max) {
    if (Trim(text).empty()) return true;
    const double value = LeadingNumber(text);
    return value > max || value < 0;
}

// Minute boxes must hold a number as a whole.
bool MinutesOutOfRange(const std::string& text) {
    const auto value = ParseNumber(text);
    return !value || *value > 59 || *value < 0;
}

bool DayMissingFromMonth(const FormValues& f) {
    if (f.month < 0 || f.month >= kMonthsInList || f.year < 0 || f.year > kLastYear - kFirstYear) {
        return false;  // the evaluation refuses these on its own
    }
    const Date date = ListedDate(f);
    return date.day > DaysInMonth(date.year, date.month);
}

}  // namespace

std::optional<Message> ValidateInput(const FormValues& f) {
    if (Trim(f.name).empty()) return Message{MessageId::EnterName, Field::txtName};
    if (DegreesOutOfRange(f.lonDegrees, 179)) {
        return Message{MessageId::LongitudeDegrees, Field::txtLonD};
    }
    if (MinutesOutOfRange(f.lonMinutes)) {
        return Message{MessageId::LongitudeMinutes, Field::txtLonM};
    }
    if (DegreesOutOfRange(f.latDegrees, 89)) {
        return Message{MessageId::LatitudeDegrees, Field::txtLatD};
    }
    if (MinutesOutOfRange(f.latMinutes)) {
        return Message{MessageId::LatitudeMinutes, Field::txtLatM};
    }
    if (DayMissingFromMonth(f)) {
        return Message{MessageId::CorrectDateOfWork, Field::None};
    }
    return std::nullopt;
}

std::optional<Message> ValidateLookup(const FormValues& f) {
    if (f.city.empty()) return Message{MessageId::EnterCity, Field::txtMCity};
    if (f.state.empty()) return Message{MessageId::EnterState, Field::txtMState};
    if (f.country.empty()) {
        return Message{MessageId::EnterCountry, Field::txtMCountry};
    }
    return std::nullopt;
}

std::string LookupSearchText(const FormValues& f) {
    return f.city + " " + f.state + " " + f.country + " Latitude Longitude";
}

}  // namespace velnora
