// SPDX-License-Identifier: GPL-3.0-or-later
// Keystroke filters of the main form's text boxes. They act on each typed
// character before it is inserted; text the program sets itself is never filtered.
#pragma once

#include <optional>

#include "workflow/form_values.h"

namespace velnora {

enum class KeyRule {
    Digit,     // txtLatD, txtLatM, txtLonD, txtLonM, txtZoneMinute: 0-9 and Backspace
    ZoneHour,  // txtZoneHour: also "-"
    Name,      // txtName: A-Z, blank, Enter, Backspace; a-z become capitals
};

inline constexpr int kBackspace = 8;
inline constexpr int kEnter = 13;

struct KeyDecision {
    int code = 0;                    // the character to insert; 0 discards it
    std::optional<Message> refusal;  // shown before the character is discarded
};

// `code` is the typed character's code (8 Backspace, 13 Enter, 32 blank).
KeyDecision ApplyKeyRule(KeyRule rule, int code);

}  // namespace velnora
