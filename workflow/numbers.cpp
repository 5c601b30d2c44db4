// SPDX-License-Identifier: GPL-3.0-or-later
#include "workflow/numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace velnora {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the number at the start of `s` (no blanks inside), 0 when none.
std::size_t NumberLength(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t digitsStart = i;
    while (i < s.size() && IsDigit(s[i])) ++i;
    bool any = i > digitsStart;
    if (i < s.size() && s[i] == '.') {
        std::size_t j = i + 1;
        while (j < s.size() && IsDigit(s[j])) ++j;
        if (j > i + 1 || any) {
            any = any || j > i + 1;
            i = j;
        }
    }
    if (!any) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        const std::size_t expStart = j;
        while (j < s.size() && IsDigit(s[j])) ++j;
        if (j > expStart) i = j;
    }
    return i;
}

// `number` is a complete number as NumberLength accepts it. Plain integers of up
// to 15 digits are exact in a double and are read without strtod.
double ToDouble(std::string_view number) {
    const bool negative = !number.empty() && number.front() == '-';
    std::string_view digits = number;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
        digits.remove_prefix(1);
    if (digits.size() <= 15 && std::all_of(digits.begin(), digits.end(), IsDigit)) {
        std::int64_t value = 0;
        for (char c : digits) value = value * 10 + (c - '0');
        return negative ? -static_cast<double>(value) : static_cast<double>(value);
    }
    return std::strtod(std::string(number).c_str(), nullptr);
}

}  // namespace

double LeadingNumber(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (!IsBlank(c)) compact += c;
    }
    const std::size_t n = NumberLength(compact);
    return n == 0 ? 0.0 : ToDouble(std::string_view(compact).substr(0, n));
}

std::optional<double> ParseNumber(std::string_view text) {
    const std::string_view t = Trim(text);
    const std::size_t n = NumberLength(t);
    if (n == 0 || n != t.size()) return std::nullopt;
    return ToDouble(t);
}

double RoundHalfEven(double value) { return std::nearbyint(value); }  // default FE_TONEAREST

std::optional<std::int16_t> ToInteger16(std::string_view text) {
    const auto number = ParseNumber(text);
    if (!number) return std::nullopt;
    const double rounded = RoundHalfEven(*number);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

}  // namespace velnora
