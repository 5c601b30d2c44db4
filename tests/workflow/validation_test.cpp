// SPDX-License-Identifier: GPL-3.0-or-later
#include "workflow/validation.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "test_form.h"

namespace velnora {
namespace {

using testing_support::Ahmedabad;

const Message kName{MessageId::EnterName, Field::txtName};
const Message kLonD{MessageId::LongitudeDegrees, Field::txtLonD};
const Message kLonM{MessageId::LongitudeMinutes, Field::txtLonM};
const Message kLatD{MessageId::LatitudeDegrees, Field::txtLatD};
const Message kLatM{MessageId::LatitudeMinutes, Field::txtLatM};
const Message kDate{MessageId::CorrectDateOfWork, Field::None};

struct Row {
    const char* name;
    std::function<void(FormValues&)> change;
    std::optional<Message> expected;
};

class ValidateInputTest : public testing::TestWithParam<Row> {};

TEST_P(ValidateInputTest, ReportsTheFirstFailingCheckOnly) {
    FormValues f = Ahmedabad(2024, 3, 5, 9, 5, 0);
    GetParam().change(f);
    EXPECT_EQ(ValidateInput(f), GetParam().expected);
}

void Date(FormValues& f, int year, int month, int day) {
    f.year = year - kFirstYear;
    f.month = month - 1;
    f.day = day - 1;
}

INSTANTIATE_TEST_SUITE_P(
    Checks, ValidateInputTest,
    testing::Values(
        Row{"complete_form_passes", [](FormValues&) {}, std::nullopt},
        Row{"blank_name", [](FormValues& f) { f.name = "   "; }, kName},
        Row{"name_with_blanks_around_passes", [](FormValues& f) { f.name = "  RAM "; },
            std::nullopt},
        Row{"everything_empty_reports_name_only", [](FormValues& f) { f = FormValues{}; }, kName},
        Row{"longitude_degrees_179_pass", [](FormValues& f) { f.lonDegrees = "179"; },
            std::nullopt},
        Row{"longitude_degrees_180_fail", [](FormValues& f) { f.lonDegrees = "180"; }, kLonD},
        Row{"longitude_degrees_empty", [](FormValues& f) { f.lonDegrees = " "; }, kLonD},
        Row{"longitude_degrees_negative", [](FormValues& f) { f.lonDegrees = "-1"; }, kLonD},
        Row{"longitude_degrees_12a_reads_12", [](FormValues& f) { f.lonDegrees = "12a"; },
            std::nullopt},
        Row{"longitude_degrees_abc_reads_0", [](FormValues& f) { f.lonDegrees = "abc"; },
            std::nullopt},
        Row{"longitude_degrees_fraction_in_range", [](FormValues& f) { f.lonDegrees = "178.9"; },
            std::nullopt},
        Row{"longitude_minutes_59_pass", [](FormValues& f) { f.lonMinutes = "59"; }, std::nullopt},
        Row{"longitude_minutes_60_fail", [](FormValues& f) { f.lonMinutes = "60"; }, kLonM},
        Row{"longitude_minutes_5x_fail", [](FormValues& f) { f.lonMinutes = "5x"; }, kLonM},
        Row{"longitude_minutes_zero_pass", [](FormValues& f) { f.lonMinutes = "0"; }, std::nullopt},
        Row{"latitude_degrees_89_pass", [](FormValues& f) { f.latDegrees = "89"; }, std::nullopt},
        Row{"latitude_degrees_90_fail", [](FormValues& f) { f.latDegrees = "90"; }, kLatD},
        Row{"latitude_minutes_60_fail", [](FormValues& f) { f.latMinutes = "60"; }, kLatM},
        Row{"latitude_minutes_empty_fail", [](FormValues& f) { f.latMinutes = ""; }, kLatM},
        Row{"longitude_reported_before_latitude",
            [](FormValues& f) {
                f.lonDegrees = "200";
                f.latDegrees = "200";
            },
            kLonD},
        Row{"time_zone_not_looked_at",
            [](FormValues& f) {
                f.zoneHour.clear();
                f.zoneMinute = "x";
            },
            std::nullopt},
        Row{"april_31_fails", [](FormValues& f) { Date(f, 2024, 4, 31); }, kDate},
        Row{"april_30_passes", [](FormValues& f) { Date(f, 2024, 4, 30); }, std::nullopt},
        Row{"may_31_passes", [](FormValues& f) { Date(f, 2024, 5, 31); }, std::nullopt},
        Row{"november_31_fails", [](FormValues& f) { Date(f, 2024, 11, 31); }, kDate},
        Row{"feb_29_leap_passes", [](FormValues& f) { Date(f, 2024, 2, 29); }, std::nullopt},
        Row{"feb_29_common_fails", [](FormValues& f) { Date(f, 2023, 2, 29); }, kDate},
        Row{"feb_30_leap_fails", [](FormValues& f) { Date(f, 2024, 2, 30); }, kDate},
        Row{"feb_29_2000_passes", [](FormValues& f) { Date(f, 2000, 2, 29); }, std::nullopt},
        Row{"feb_28_common_passes", [](FormValues& f) { Date(f, 2023, 2, 28); }, std::nullopt}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(ValidateLookup, NeedsCityStateAndCountryInThatOrder) {
    FormValues f;
    EXPECT_EQ(ValidateLookup(f), (Message{MessageId::EnterCity, Field::txtMCity}));
    f.city = "Pune";
    EXPECT_EQ(ValidateLookup(f), (Message{MessageId::EnterState, Field::txtMState}));
    f.state = "Maharashtra";
    EXPECT_EQ(ValidateLookup(f), (Message{MessageId::EnterCountry, Field::txtMCountry}));
    f.country = "India";
    EXPECT_EQ(ValidateLookup(f), std::nullopt);
    EXPECT_EQ(LookupSearchText(f), "Pune Maharashtra India Latitude Longitude");
}

TEST(ValidateLookup, ABlankCountsAsFilledAndTextsAreUsedAsTyped) {
    FormValues f;
    f.city = " ";
    f.state = "Gujarat ";
    f.country = "India";
    EXPECT_EQ(ValidateLookup(f), std::nullopt);
    EXPECT_EQ(LookupSearchText(f), "  Gujarat  India Latitude Longitude");
}

// MessageText looks a message up by its position: a row out of order would show
// another message's text, and a text written twice would be two messages.
TEST(Messages, EachRowSitsAtItsIdAndEachTextIsWrittenOnce) {
    std::set<std::string_view> texts;
    for (std::size_t i = 0; i < kMessages.size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(kMessages[i].id), i) << kMessages[i].text;
        EXPECT_FALSE(kMessages[i].text.empty()) << i;
        EXPECT_TRUE(texts.insert(kMessages[i].text).second) << kMessages[i].text;
    }
    EXPECT_EQ(MessageText(MessageId::EnterName), "Please Enter Name");
    EXPECT_EQ(MessageIcon(MessageId::EnterName), Icon::Critical);
}

}  // namespace
}  // namespace velnora
