// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/calendar.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace velnora {
namespace {

// Every folded line is at most 75 octets, starts on a character and is valid
// UTF-8: a typed text's stray bytes come out as U+FFFD, as in the JSON output.
TEST(Calendar, LinesAreFoldedAt75OctetsIntoValidUtf8) {
    std::string replaced;
    for (int i = 0; i < 200; ++i) replaced += "\uFFFD";
    const struct Row {
        const char* name;
        std::string line, unfolded;
    } rows[] = {
        {"two-octet-characters-at-the-fold",
         "DESCRIPTION:" + std::string(70, 'a') + "\u00B0\u00B0" + std::string(150, 'b'),
         "DESCRIPTION:" + std::string(70, 'a') + "\u00B0\u00B0" + std::string(150, 'b')},
        {"a-run-of-continuation-bytes", "SUMMARY:" + std::string(200, '\x80'),
         "SUMMARY:" + replaced},
        {"latin-1-and-a-cut-sequence", "LOCATION:Z\xFCrich \xE2\x82",
         "LOCATION:Z\uFFFDrich \uFFFD\uFFFD"},
    };
    for (const Row& row : rows) {
        const std::string folded = FoldLine(row.line);
        std::string unfolded;
        std::istringstream lines(folded);
        std::string line;
        bool first = true;
        while (std::getline(lines, line)) {
            ASSERT_FALSE(line.empty()) << row.name;
            ASSERT_EQ(line.back(), '\r') << row.name;
            line.pop_back();
            EXPECT_LE(line.size(), 75u) << row.name;
            if (!first) {
                ASSERT_EQ(line.front(), ' ') << row.name;
                line.erase(0, 1);
            }
            EXPECT_NE(static_cast<unsigned char>(line.front()) & 0xC0, 0x80)
                << row.name << ": split character";
            unfolded += line;
            first = false;
        }
        EXPECT_EQ(unfolded, row.unfolded) << row.name;
    }
    EXPECT_EQ(CalendarText("a,b;c\\d\ne\x01"), "a\\,b\\;c\\\\d\\ne");
}

}  // namespace
}  // namespace velnora
