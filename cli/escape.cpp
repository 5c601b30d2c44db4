// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/escape.h"

#include <algorithm>
#include <cstdio>

#include "planning/utf8.h"

namespace velnora::cli {

namespace {

std::string Hex(const char* format, unsigned value) {
    char buf[8];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

}  // namespace

std::string JsonQuote(std::string_view text) {
    // Most texts (every date and name the program writes itself) are printable
    // ASCII without a quote or backslash, and go out as they are.
    const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
        return c >= 0x20 && c < 0x7F && c != '"' && c != '\\';
    });
    if (plain) {
        std::string r;
        r.reserve(text.size() + 2);
        return r.append(1, '"').append(text).append(1, '"');
    }
    std::string r;
    r.reserve(text.size() + 2);
    r += '"';
    ForEachCharacter(
        text,
        [&](std::string_view character) {
            const auto c = static_cast<unsigned char>(character.front());
            switch (c) {
                case '"':
                    r += "\\\"";
                    break;
                case '\\':
                    r += "\\\\";
                    break;
                case '\n':
                    r += "\\n";
                    break;
                case '\r':
                    r += "\\r";
                    break;
                case '\t':
                    r += "\\t";
                    break;
                default:
                    if (c < 0x20) {
                        r += Hex("\\u%04x", c);
                    } else {
                        r += character;
                    }
            }
        },
        [&](unsigned char) { r += kReplacementCharacter; });
    r += '"';
    return r;
}

std::string Visible(std::string_view text) {
    std::string r;
    ForEachCharacter(
        text,
        [&](std::string_view character) {
            const auto c = static_cast<unsigned char>(character.front());
            if (c == '\n') {
                r += "\\n";
            } else if (c == '\r') {
                r += "\\r";
            } else if (c == '\t') {
                r += "\\t";
            } else if (c < 0x20 || c == 0x7F) {
                r += Hex("\\x%02x", c);
            } else if (c == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0) {
                r += Hex("\\u%04x", static_cast<unsigned char>(character[1]));  // U+0080..U+009F
            } else {
                r += character;
            }
        },
        [&](unsigned char byte) { r += Hex("\\x%02x", byte); });
    return r;
}

}  // namespace velnora::cli
