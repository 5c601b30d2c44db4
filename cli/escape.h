// SPDX-License-Identifier: GPL-3.0-or-later
// How a user's text leaves velnora-cli: quoted for JSON, or made visible for a
// terminal. Typed texts are bytes that need not be UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace velnora::cli {

// A JSON string literal of `text`; bytes that are not UTF-8 become U+FFFD, so the
// output is always valid UTF-8.
std::string JsonQuote(std::string_view text);

// `text` for a terminal: control characters shown as \n, \r, \t or \xNN (C1 ones
// as \uNNNN) and bytes that are not UTF-8 as \xNN, so a user's text can neither
// forge an output line nor reach the terminal as an escape sequence.
std::string Visible(std::string_view text);

}  // namespace velnora::cli
