// SPDX-License-Identifier: GPL-3.0-or-later
// The planning options as the command line gives them: what they refuse, the
// clock behind --now, and what --next and --days write.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "plan_run.h"

namespace velnora::cli {
namespace {

using namespace testing_support;

TEST(Plan, OptionsThatDoNotGoTogetherAreUsageErrors) {
    struct Row {
        std::vector<std::string> extra;
        int status;
        const char* says;  // on standard error, or with kOk on standard output
    };
    const Row rows[] = {
        {{"--now", "--day", "5"}, kUsage, "--now takes the date and time of work from the clock"},
        {{"--now", "--hour=9"}, kUsage, "--now takes the date and time"},
        {{"--now=yes"}, kUsage, "takes no value"},
        {{"--days", "0", "--table"}, kUsage, "from 1 to 366"},
        {{"--days", "367", "--table"}, kUsage, "from 1 to 366"},
        {{"--days", "1e2", "--table"}, kUsage, "from 1 to 366"},
        {{"--days"}, kUsage, "from 1 to 366"},
        {{"--days", "3"}, kUsage, "--days needs --table or --ics FILE"},
        {{"--ics", "x.ics"}, kUsage, "--ics needs --days N"},
        {{"--ics"}, kUsage, "--ics needs a file name"},
        {{"--table", "--ics-all"}, kUsage, "--ics-all needs --ics FILE"},
        {{"--days", "2", "--ics", "-", "--table"}, kUsage, "leave out --table and --json"},
        {{"--next", "--table"}, kUsage, "cannot be combined with --table"},
        {{"--next", "--days", "2", "--ics", "-"}, kUsage, "cannot be combined"},
        {{"--next", "lucky"}, kUsage, "not \"lucky\""},
        {{"--next=unfavorable"}, kUsage, "favorable, intermediate or a period name"},
        {{"--next", "Amrat"}, kUsage, "not \"Amrat\""},
        {{"--days", "1", "--table", "--ics-alarm", "5"}, kUsage, "--ics-alarm needs --ics FILE"},
        {{"--days", "1", "--ics", "-", "--ics-alarm", "-5"}, kUsage, "from 0 to 10080"},
        {{"--days", "1", "--ics", "-", "--ics-alarm=10081"}, kUsage, "not \"10081\""},
        // Accepted, without a name.
        {{"--next", "chal"}, kOk, nullptr},
        // Other spellings, written as the canonical name.
        {{"--now", "--next", "Amrit"}, kOk, ": Amrut, favorable, "},
        {{"--now", "--next", "KAAL"}, kOk, ": Kal, unfavorable, "},
        {{"--now", "--next", "char"}, kOk, ": Chal, intermediate, "},
        {{"--now", "--next", "Laabh"}, kOk, ": Labh, favorable, "},
        {{"--now", "--next", "favourable"}, kOk, ": Labh, favorable, "},
        {{"--days", "1", "--ics", "-", "--ics-alarm", "0"}, kOk, "TRIGGER:-PT0M\r\n"},
        {{"--next=Intermediate", "--json"}, kOk, nullptr},
        {{"--next", "--json"}, kOk, nullptr},
        {{"--days=2", "--table"}, kOk, nullptr},
        {{"--days", "366", "--ics", "-", "--ics-all"}, kOk, nullptr},
        {{"--now"}, kOk, nullptr},
    };
    for (const Row& row : rows) {
        std::string line;
        for (const auto& a : row.extra) line += a + " ";
        SCOPED_TRACE(line);
        std::vector<std::string> args = kPlace;
        args.insert(args.end(), row.extra.begin(), row.extra.end());
        const CliRun run = Call(args, {});
        EXPECT_EQ(run.status, row.status) << run.err;
        if (row.says && row.status == kOk) {
            EXPECT_NE(run.out.find(row.says), std::string::npos) << run.out;
        } else if (row.says) {
            EXPECT_NE(run.err.find(row.says), std::string::npos) << run.err;
            EXPECT_NE(run.err.find("; see velnora-cli --help\n"), std::string::npos);
        }
    }
}

// The fixed clock stands at 3:35 Greenwich time on 5 March 2024: 9:05 in India.
TEST(Plan, NowIsTheClockShiftedByTheGivenZone) {
    const CliRun r = Call(kPlace, {"--now", "--json"});
    ASSERT_EQ(r.status, kOk) << r.err;
    EXPECT_NE(r.out.find("\"lblDOB\": \"March/5/2024\""), std::string::npos);
    EXPECT_NE(r.out.find("\"lblTOB\": \"9:5\""), std::string::npos);
    EXPECT_NE(r.out.find("\"lblChaghodiya\": \"Udveg\""), std::string::npos);
    EXPECT_NE(r.out.find("\"lblName\": \"\""), std::string::npos);
    // Half an hour before Greenwich midnight is already the next date in India.
    const CliRun late = Call(kPlace, {"--now", "--json"}, sys_days{2024y / 3 / 5} + 23h + 59min);
    EXPECT_NE(late.out.find("\"lblDOB\": \"March/6/2024\""), std::string::npos);
    EXPECT_NE(late.out.find("\"lblTOB\": \"5:29\""), std::string::npos);
}

TEST(Plan, NextIsWrittenWithStartEndNameAndVerdict) {
    const CliRun text = Call(kPlace, {"--now", "--next"});
    ASSERT_EQ(text.status, kOk) << text.err;
    EXPECT_NE(text.out.find("Time of work: 3/5/2024 9:05:00 AM\n"), std::string::npos);
    EXPECT_NE(text.out.find("Next: Labh, favorable, 3/5/2024 11:23:06 AM to 3/5/2024 12:51:28 PM "
                            "(day period 4, Tuesday's column)\n"),
              std::string::npos)
        << text.out;

    const CliRun inside = Call(kPlace, {"--now", "--next", "--json"}, sys_days{2024y / 3 / 5} + 7h);
    ASSERT_EQ(inside.status, kOk) << inside.err;
    EXPECT_NE(inside.out.find("\"next\": {\"now\": true, \"remainingSeconds\": 1288, \"span\": "
                              "\"day\", \"period\": {\"number\": 4"),
              std::string::npos)
        << inside.out;
    EXPECT_NE(inside.out.find("\"timeOfWorkIso\": \"2024-03-05T12:30:00+05:30\""),
              std::string::npos);
    EXPECT_NE(inside.out.find("\"startIso\": \"2024-03-05T11:23:06+05:30\""), std::string::npos);

    std::vector<std::string> svalbard = kPlace;
    svalbard[1] = "78";
    svalbard[7] = "15";
    svalbard[13] = "-1";
    svalbard[15] = "0";
    const CliRun polar = Call(svalbard, {"--now", "--next"}, sys_days{2024y / 12 / 10});
    EXPECT_EQ(polar.status, kNoneWithinDays);
    EXPECT_EQ(
        polar.err,
        "No favorable Period From 12/10/2024 1:00:00 AM To 12/18/2024: After The Time Of Work "
        "None Of These Dates Has Its Sun Rise And Sun Set In Order Here\n");
    EXPECT_EQ(polar.out, "");
}

TEST(Plan, DaysRunAcrossTheYearEndAndKeepGoingPastADayWithoutSunrise) {
    const CliRun r = Call(kPlace, {"--month", "December", "--day", "30", "--year", "2024", "--days",
                                   "3", "--table", "--json"});
    ASSERT_EQ(r.status, kOk) << r.err;
    EXPECT_EQ(Count(r.out, "{\"date\": "), 3u);
    EXPECT_NE(r.out.find("{\"date\": \"12/31/2024\", \"dateIso\": \"2024-12-31\", \"weekday\": "
                         "\"Tuesday\""),
              std::string::npos);
    EXPECT_NE(r.out.find("{\"date\": \"1/1/2025\", \"dateIso\": \"2025-01-01\", \"weekday\": "
                         "\"Wednesday\""),
              std::string::npos);
    EXPECT_EQ(Count(r.out, "\"night\": ["), 3u);
    EXPECT_EQ(r.out.find("\"lbl"), std::string::npos);  // the days, not one result

    // 70 N: the midnight sun ends in late July; the days before it give their reason.
    std::vector<std::string> north = kPlace;
    north[1] = "70";
    north[7] = "25";
    north[13] = "-1";
    north[15] = "0";
    const CliRun polar = Call(
        north, {"--month", "July", "--day", "20", "--year", "2024", "--days", "20", "--table"});
    ASSERT_EQ(polar.status, kOk) << polar.err;
    EXPECT_NE(polar.out.find("Saturday 7/20/2024: Sun Does Not Rise Or Set At This Place Around "
                             "This Date\n"),
              std::string::npos);
    EXPECT_NE(polar.out.find("Thursday 8/8/2024\n\nDay periods"), std::string::npos) << polar.out;
}

// Days asked for after the last date of the year list: the days up to it are
// listed and written, and the listing ends with the reason the others are not.
TEST(Plan, DaysPastTheLastDateEndTheListingWithTheirReason) {
    const std::string reason =
        "The listing ends with 12/31/2050, the last date that can be evaluated; 2 of the 4 days "
        "asked for lie after it";
    const std::vector<std::string> days = {"--month", "December", "--day",  "30",
                                           "--year",  "2050",     "--days", "4"};
    std::vector<std::string> table = kPlace;
    table.insert(table.end(), days.begin(), days.end());
    const CliRun json = Call(table, {"--table", "--json"});
    EXPECT_EQ(json.status, kPastLastDate);
    EXPECT_EQ(json.err, reason + "\n");
    EXPECT_EQ(Count(json.out, "{\"date\": "), 2u);
    EXPECT_NE(json.out.find("\"error\": \"" + reason + "\"\n}\n"), std::string::npos) << json.out;
    EXPECT_EQ(json.out.find("Please Enter Correct Date Of Work"), std::string::npos);

    const CliRun calendar = Call(table, {"--ics", "-"});
    EXPECT_EQ(calendar.status, kPastLastDate);
    std::string unfolded = calendar.out;
    for (auto at = unfolded.find("\r\n "); at != std::string::npos; at = unfolded.find("\r\n "))
        unfolded.erase(at, 3);
    EXPECT_NE(unfolded.find("X-WR-CALDESC:Favorable Choghadiya periods of 2 days\\, "
                            "2050-12-30 to 2050-12-31\r\n"),
              std::string::npos)
        << calendar.out;

    const CliRun next = Call(kPlace, {"--month", "December", "--day", "31", "--year", "2050",
                                      "--hour", "23", "--next", "Chal"});
    EXPECT_EQ(next.status, kPastLastDate);
    const std::string none =
        "No Chal period from the time of work to 12/31/2050, the last date that can be evaluated";
    EXPECT_EQ(next.err, none + "\n");
    // With --json the reason is in the JSON as well, as with --days.
    const CliRun nextJson = Call(kPlace, {"--month", "December", "--day", "31", "--year", "2050",
                                          "--hour", "23", "--next", "Chal", "--json"});
    EXPECT_EQ(nextJson.status, kPastLastDate);
    EXPECT_EQ(nextJson.err, none + "\n");
    EXPECT_NE(nextJson.out.find("\"error\": \"" + none + "\"\n}\n"), std::string::npos)
        << nextJson.out;
}

// 2:00 on 1 January 1901 lies in the night from the sunset of 31 December 1900,
// a date outside the year list: the table lists that night all the same, alone
// or as the first of several dates, and only before the first date.
TEST(Plan, TheNightBeforeTheFirstDateIsListedWhenTheTimeOfWorkLiesInIt) {
    const struct Row {
        const char* name;
        const char* hour;
        std::vector<std::string> output;
        std::size_t nights;  // lists of the night before written
    } rows[] = {
        {"one date", "2", {"--name", "A", "--table"}, 1},
        {"days", "2", {"--days", "2", "--table"}, 1},
        {"days in JSON", "2", {"--days", "2", "--table", "--json"}, 1},
        {"days, after sunrise", "9", {"--days", "2", "--table"}, 0},
    };
    for (const Row& row : rows) {
        std::vector<std::string> args = kPlace;
        args.insert(args.end(), row.output.begin(), row.output.end());
        const CliRun r =
            Call(args, {"--month", "January", "--day", "1", "--year", "1901", "--hour", row.hour});
        ASSERT_EQ(r.status, kOk) << row.name << ": " << r.err;
        const bool json = row.output.back() == "--json";
        EXPECT_EQ(Count(r.out, json ? "\"nightBefore\": [" : kNightBeforeHeading), row.nights)
            << row.name << ":\n"
            << r.out;
        EXPECT_EQ(Count(r.out, "12/31/1900") > 0, row.nights > 0) << row.name;
        EXPECT_EQ(Count(r.out, json ? "\"timeOfWork\": true" : "<- time of work"), 1u) << row.name;
    }
}

}  // namespace
}  // namespace velnora::cli
