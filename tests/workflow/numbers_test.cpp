// SPDX-License-Identifier: GPL-3.0-or-later
#include "workflow/numbers.h"

#include <gtest/gtest.h>

namespace velnora {
namespace {

TEST(Numbers, LeadingNumberReadsUpToTheFirstCharacterThatCannotContinue) {
    struct Row {
        const char* text;
        double value;
    };
    for (const Row& row : {Row{"12a", 12}, Row{"abc", 0}, Row{"", 0}, Row{"  72 ", 72},
                           Row{"1 7 9", 179}, Row{"-5", -5}, Row{"- 5", -5}, Row{"+3", 3},
                           Row{"1.5e1x", 15}, Row{".5", 0.5}, Row{"5.", 5}, Row{"1e", 1},
                           Row{"e5", 0}, Row{"1.2.3", 1.2}, Row{"-", 0}, Row{"180", 180}}) {
        EXPECT_DOUBLE_EQ(LeadingNumber(row.text), row.value) << '"' << row.text << '"';
    }
}

TEST(Numbers, ParseNumberNeedsTheWholeTrimmedText) {
    EXPECT_EQ(ParseNumber(" 59 "), 59.0);
    EXPECT_EQ(ParseNumber("1e1"), 10.0);
    EXPECT_EQ(ParseNumber("-0.5"), -0.5);
    EXPECT_EQ(ParseNumber("+7"), 7.0);
    for (const char* bad : {"5x", "", "   ", "+", ".", "1 2", "x5", "--1", "1e", "\t5"}) {
        EXPECT_FALSE(ParseNumber(bad).has_value()) << '"' << bad << '"';
    }
}

TEST(Numbers, ToInteger16RoundsHalvesToEvenWithinRange) {
    struct Row {
        const char* text;
        std::optional<std::int16_t> value;
    };
    for (const Row& row :
         {Row{"2.5", 2}, Row{"3.5", 4}, Row{"-2.5", -2}, Row{"0.4", 0}, Row{"05", 5},
          Row{"32767", 32767}, Row{"32767.4", 32767}, Row{"-32768.5", -32768},
          Row{"32768", std::nullopt}, Row{"-32769", std::nullopt}, Row{"12a", std::nullopt},
          Row{"", std::nullopt}, Row{"1e9", std::nullopt}}) {
        EXPECT_EQ(ToInteger16(row.text), row.value) << '"' << row.text << '"';
    }
}

}  // namespace
}  // namespace velnora
