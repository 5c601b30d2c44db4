// SPDX-License-Identifier: GPL-3.0-or-later
// How the form's texts are read as numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/text.h"

namespace velnora {

// The number written at the start of the text: optional sign, digits, optional
// decimal point with digits, optional exponent, read up to the first character
// that cannot continue it; blanks inside are skipped. No number at the start
// reads as 0, so "12a" is 12 and "abc" is 0.
double LeadingNumber(std::string_view text);

// The whole trimmed text as a number, or nullopt when it is not one ("5x", "").
std::optional<double> ParseNumber(std::string_view text);

// Round to the nearest whole number, an exact half going to the even neighbour.
double RoundHalfEven(double value);

// The whole trimmed text as a signed 16-bit integer, halves to even; nullopt when
// it is not a number or falls outside -32768..32767.
std::optional<std::int16_t> ToInteger16(std::string_view text);

}  // namespace velnora
