// SPDX-License-Identifier: GPL-3.0-or-later
// The planning options on a place's own clocks (--place, VELNORA_PLACE): times
// as the wall clock shows them around clock changes, and dates the clocks skip.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "cli/cli.h"
#include "places/zone_clock.h"
#include "plan_run.h"

namespace velnora::cli {
namespace {

using namespace testing_support;

// Around clock changes every time written is the place's wall-clock time at that
// moment (zoneinfo's answer), the night is split at wall-clock midnight, and
// --now keeps the instant it read, also inside the repeated hour.
TEST(Plan, AroundClockChangesEveryTimeIsTheWallClockOfItsMoment) {
    const std::string newYork = "New York City New York United States";
    const struct Row {
        const char* name;
        std::string place, zone, month, day;
    } rows[] = {
        {"new-york-forward", newYork, "America/New_York", "March", "9"},
        {"new-york-back", newYork, "America/New_York", "November", "2"},
        {"sydney-back", "Sydney New South Wales Australia", "Australia/Sydney", "April", "6"},
        // The clocks go back from midnight to 23:00: the next date begins an hour later.
        {"santiago-back-at-midnight", "Santiago Chile", "America/Santiago", "April", "5"},
    };
    const auto utcTimes = [](const std::string& calendar) {
        std::vector<std::int64_t> times;
        for (std::size_t at = calendar.find("\r\nDTSTART:"); at != std::string::npos;
             at = calendar.find("\r\nDTSTART:", at + 1)) {
            for (const char* key : {"DTSTART:", "DTEND:"}) {
                const std::string t =
                    calendar.substr(calendar.find(key, at) + std::strlen(key), 15);
                const sys_days date{std::chrono::year(std::stoi(t.substr(0, 4))) /
                                    std::stoi(t.substr(4, 2)) / std::stoi(t.substr(6, 2))};
                const std::chrono::seconds clock =
                    std::chrono::hours(std::stoi(t.substr(9, 2))) +
                    std::chrono::minutes(std::stoi(t.substr(11, 2))) +
                    std::chrono::seconds(std::stoi(t.substr(13, 2)));
                times.push_back(std::chrono::sys_seconds(date + clock).time_since_epoch().count());
            }
        }
        return times;
    };
    const auto texts = [](const std::string& json) {
        std::vector<std::string> found;
        // The periods' times, not Abhijit Muhurat's.
        for (std::size_t at = json.find("{\"number\": "); at != std::string::npos;
             at = json.find("{\"number\": ", at + 1)) {
            for (const char* key : {"\"start\": \"", "\"end\": \""}) {
                const std::size_t from = json.find(key, at) + std::strlen(key);
                found.push_back(json.substr(from, json.find('"', from) - from));
            }
        }
        return found;
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<std::string> days = {"--place", row.place, "--month", row.month,
                                               "--day",   row.day,   "--year",  "2024",
                                               "--days",  "3",       "--hour",  "12"};
        const CliRun listed = Call(days, {"--table", "--json"});
        const CliRun calendar = Call(days, {"--ics", "-", "--ics-all"});
        ASSERT_EQ(listed.status, kOk) << listed.err;
        const auto written = texts(listed.out);
        const auto moments = utcTimes(calendar.out);
        ASSERT_EQ(written.size(), moments.size());
        // Each night is split where the wall clock shows midnight: the date alone.
        EXPECT_EQ(
            std::count_if(written.begin(), written.end(),
                          [](const std::string& t) { return t.find(' ') == std::string::npos; }),
            6);
        for (std::size_t i = 0; i < moments.size(); ++i) {
            const auto wall = places::LocalMomentAt(row.zone, moments[i]);
            ASSERT_TRUE(wall);
            EXPECT_EQ(written[i], UsGeneralDate(wall->reading)) << i;
        }
    }

    // The day clocks go forward starts at its own sunrise, and just after the next
    // wall-clock midnight the listing, the calendar and the evaluation agree.
    const CliRun forward = Call({"--place", newYork, "--month", "March", "--day", "10", "--year",
                                 "2024", "--days", "1", "--table"},
                                {});
    EXPECT_NE(forward.out.find("  1  3/10/2024 7:16:00 AM   to "), std::string::npos)
        << forward.out;
    const CliRun afterMidnight =
        Call({"--name", "RAM", "--place", newYork, "--month", "March", "--day", "11", "--year",
              "2024", "--hour", "0", "--minute", "30", "--table", "--json"},
             {});
    ASSERT_EQ(afterMidnight.status, kOk) << afterMidnight.err;
    EXPECT_NE(afterMidnight.out.find("\"lblChaghodiya\": \"Labh\""), std::string::npos);
    EXPECT_NE(afterMidnight.out.find(
                  "\"start\": \"3/11/2024\", \"startIso\": \"2024-03-11T00:00:00-04:00\", "
                  "\"end\": \"3/11/2024 1:06:00 AM\", \"endIso\": \"2024-03-11T01:06:00-04:00\", "
                  "\"weekday\": \"Monday\", \"name\": \"Labh\", \"verdict\": \"favorable\", "
                  "\"marks\": [], \"timeOfWork\": true}"),
              std::string::npos)
        << afterMidnight.out;

    // 1:30 comes twice on 3 November 2024: at 5:30 and at 6:30 Greenwich time.
    const std::vector<std::string> now = {"--place", newYork, "--now", "--next", "--json"};
    const CliRun first = Call(now, {}, sys_days{2024y / 11 / 3} + 5h + 30min);
    const CliRun second = Call(now, {}, sys_days{2024y / 11 / 3} + 6h + 30min);
    for (const CliRun* r : {&first, &second}) {
        EXPECT_NE(r->out.find("\"timeOfWork\": \"11/3/2024 1:30:00 AM\""), std::string::npos)
            << r->out;
    }
    EXPECT_NE(first.out.find("\"now\": false, \"span\": \"night\", \"period\": {\"number\": 6, "
                             "\"start\": \"11/3/2024 1:21:40 AM\""),
              std::string::npos)
        << first.out;
    EXPECT_NE(second.out.find("\"now\": true, \"remainingSeconds\": 5628"), std::string::npos)
        << second.out;

    // A typed time of work in the repeated or the skipped hour is taken as one.
    const CliRun twice = Call({"--place", newYork, "--month", "November", "--day", "3", "--year",
                               "2024", "--hour", "1", "--minute", "30", "--next"},
                              {});
    EXPECT_EQ(twice.err,
              "velnora-cli: 11/3/2024 1:30:00 AM comes twice in America/New_York (the clocks go "
              "back); taken as the first, at UTC-04:00\n");
    const CliRun skipped = Call({"--place", newYork, "--month", "March", "--day", "10", "--year",
                                 "2024", "--hour", "2", "--minute", "30", "--next"},
                                {});
    EXPECT_EQ(skipped.err,
              "velnora-cli: 3/10/2024 2:30:00 AM does not exist in America/New_York (the clocks "
              "skip it); taken as 3/10/2024 3:30:00 AM, at UTC-04:00\n");
    EXPECT_NE(skipped.out.find("Time of work: 3/10/2024 3:30:00 AM\n"), std::string::npos)
        << skipped.out;
}

// VELNORA_PLACE stands for --place unless a place or a position is typed.
TEST(Plan, PlaceFromTheEnvironment) {
    const auto call = [](std::vector<std::string> args, std::string_view place) {
        std::ostringstream out, err;
        const FixedClock clock(sys_days{2024y / 3 / 5} + 14h);
        const int status = Main(args, out, err, clock, place);
        return CliRun{status, out.str(), err.str()};
    };
    const CliRun daily = call({"--now", "--next"}, "New York City New York United States");
    ASSERT_EQ(daily.status, kOk) << daily.err;
    EXPECT_EQ(daily.out.rfind("Place taken: New York City, New York, United States", 0), 0u);
    EXPECT_NE(daily.out.find("Time of work: 3/5/2024 9:00:00 AM\n"), std::string::npos);

    const CliRun typed = call({"--now", "--next", "--place", "Pune"}, "New York City");
    EXPECT_NE(typed.out.find("Place taken: Pune, Maharashtra, India"), std::string::npos);
    const CliRun position = call(kPlace, "New York City");
    EXPECT_EQ(position.out.find("Place taken:"), std::string::npos);

    const CliRun unknown = call({"--now", "--next"}, "Qwxyzzy Nowhere Land");
    EXPECT_EQ(unknown.status, kRefused);
    EXPECT_NE(unknown.err.find("the place came from VELNORA_PLACE"), std::string::npos);
}

// Samoa crossed the date line at the end of 29 December 2011: the 30th never came
// there, so it is no day of the listing.
TEST(Plan, ADateThePlacesClocksSkippedIsNotListed) {
    const CliRun r = Call({"--place", "Apia Samoa", "--month", "December", "--day", "28", "--year",
                           "2011", "--days", "4", "--table", "--json"},
                          {});
    ASSERT_EQ(r.status, kOk) << r.err;
    EXPECT_EQ(Count(r.out, "{\"date\": "), 3u);
    EXPECT_EQ(r.out.find("{\"date\": \"12/30/2011\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("{\"date\": \"12/31/2011\""), std::string::npos);

    // A time of work on the skipped date is evaluated as the reading it is taken as.
    const CliRun taken =
        Call({"--place", "Apia Samoa", "--name", "A", "--month", "December", "--day", "30",
              "--year", "2011", "--hour", "15", "--minute", "30", "--json"},
             {});
    ASSERT_EQ(taken.status, kOk) << taken.err;
    EXPECT_NE(taken.err.find("taken as 12/31/2011 3:30:00 PM"), std::string::npos) << taken.err;
    EXPECT_NE(taken.out.find("\"lblDOB\": \"December/31/2011\""), std::string::npos) << taken.out;
    EXPECT_NE(taken.out.find("\"lblChaghodiya\": \"Labh\""), std::string::npos) << taken.out;
}

}  // namespace
}  // namespace velnora::cli
