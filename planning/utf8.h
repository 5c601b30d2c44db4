// SPDX-License-Identifier: GPL-3.0-or-later
// Typed texts may arrive as bytes that need not be UTF-8 (velnora-cli takes them
// from its command line). Outputs that must be valid UTF-8 (JSON, the calendar
// file of either edge) walk them character by character and put U+FFFD where a
// byte begins no well-formed sequence.
#pragma once

#include <cstddef>
#include <string_view>

namespace velnora {

inline constexpr std::string_view kReplacementCharacter = "\uFFFD";

// The length of the well-formed UTF-8 sequence at the start of `text` (no overlong
// forms, no surrogates, nothing above U+10FFFF), or 0 when its first byte does not
// begin one.
std::size_t Utf8Length(std::string_view text);

// Walks `text` character by character: `valid` gets each well-formed UTF-8
// sequence, `invalid` each byte that is not part of one.
template <typename Valid, typename Invalid>
void ForEachCharacter(std::string_view text, Valid valid, Invalid invalid) {
    while (!text.empty()) {
        const std::size_t length = Utf8Length(text);
        if (length == 0) {
            invalid(static_cast<unsigned char>(text.front()));
            text.remove_prefix(1);
        } else {
            valid(text.substr(0, length));
            text.remove_prefix(length);
        }
    }
}

}  // namespace velnora
