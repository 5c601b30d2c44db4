// SPDX-License-Identifier: GPL-3.0-or-later
#include "workflow/key_rules.h"

namespace velnora {

KeyDecision ApplyKeyRule(KeyRule rule, int code) {
    const bool digit = code >= '0' && code <= '9';
    switch (rule) {
        case KeyRule::Digit:
        case KeyRule::ZoneHour:
            if (digit || code == kBackspace || (rule == KeyRule::ZoneHour && code == '-')) {
                return {code, std::nullopt};
            }
            return {0, Message{MessageId::OnlyNumbers, Field::None}};
        case KeyRule::Name:
            if ((code >= 'A' && code <= 'Z') || code == ' ' || code == kEnter ||
                code == kBackspace) {
                return {code, std::nullopt};
            }
            if (code >= 'a' && code <= 'z') return {code - 32, std::nullopt};
            break;
    }
    return {0, Message{MessageId::OnlyLetters, Field::None}};
}

}  // namespace velnora
