// SPDX-License-Identifier: GPL-3.0-or-later
#include "workflow/validation.h"

#include <gtest/gtest.h>

#include <functional>

#include "test_form.h"

namespace velnora {
namespace {

using testing_support::Ahmedabad;

const Message kName{"Please Enter Name", Icon::Critical, Field::txtName};
const Message kLonD{"Please Enter Value Between 0 And 179 in the Degree of Longitude",
                    Icon::Critical, Field::txtLonD};
const Message kLonM{"Please Enter Value Between 0 And 59 in the  Minute of Longitude",
                    Icon::Critical, Field::txtLonM};
const Message kLatD{"Please Enter Value Between 0 And 89 in the Degree of Latitude", Icon::Critical,
                    Field::txtLatD};
const Message kLatM{"Please Enter Value Between 0 And 59 in the  Minute of Latitude",
                    Icon::Critical, Field::txtLatM};
const Message kDate{"Please Enter Correct Date Of Work", Icon::Information, Field::None};

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
    [](const auto& info) { return std::string(info.param.name); });

TEST(ValidateLookup, NeedsCityStateAndCountryInThatOrder) {
    FormValues f;
    EXPECT_EQ(ValidateLookup(f),
              (Message{"Please Enter City", Icon::Information, Field::txtMCity}));
    f.city = "Pune";
    EXPECT_EQ(ValidateLookup(f),
              (Message{"Please Enter State", Icon::Information, Field::txtMState}));
    f.state = "Maharashtra";
    EXPECT_EQ(ValidateLookup(f),
              (Message{"Please Enter Country", Icon::Information, Field::txtMCountry}));
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

}  // namespace
}  // namespace velnora
