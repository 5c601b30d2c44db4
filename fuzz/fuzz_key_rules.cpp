// SPDX-License-Identifier: GPL-3.0-or-later
// The keystroke rules over arbitrary key sequences, typed into a simulated box:
// every refusal carries its rule's message and inserts nothing, and the box only
// ever holds what its rule lets through.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "workflow/key_rules.h"

namespace {

using namespace velnora;

void Check(bool condition) {
    if (!condition) std::abort();
}

bool Allowed(KeyRule rule, int c) {
    const bool digit = c >= '0' && c <= '9';
    switch (rule) {
        case KeyRule::Digit:
            return digit;
        case KeyRule::ZoneHour:
            return digit || c == '-';
        case KeyRule::Name:
            return (c >= 'A' && c <= 'Z') || c == ' ';
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const auto rule = static_cast<KeyRule>(in.ConsumeIntegralInRange(0, 2));
    const MessageId refusal =
        rule == KeyRule::Name ? MessageId::OnlyLetters : MessageId::OnlyNumbers;
    std::string box;
    while (in.remaining_bytes() > 0) {
        const int code = in.ConsumeIntegralInRange(0, 0x2FFF);
        const KeyDecision d = ApplyKeyRule(rule, code);
        if (d.refusal) {
            Check(d.code == 0 && d.refusal->id == refusal && d.refusal->focus == Field::None);
            continue;
        }
        Check(d.code != 0);
        if (d.code == kBackspace) {
            if (!box.empty()) box.pop_back();
        } else if (d.code != kEnter) {
            Check(Allowed(rule, d.code));
            Check(rule != KeyRule::Name || d.code == code || d.code == code - 32);
            box += static_cast<char>(d.code);
        } else {
            Check(rule == KeyRule::Name);
        }
    }
    for (char c : box) Check(Allowed(rule, c));
    return 0;
}
