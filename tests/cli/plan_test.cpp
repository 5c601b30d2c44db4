// SPDX-License-Identifier: GPL-3.0-or-later
// The planning options as the command line gives them: what they refuse, the
// clock behind --now, and what --next, --days and --ics write.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli.h"
#include "files/replace_file.h"
#include "planning/calendar.h"
#ifdef VELNORA_PLACES
#include "places/zone_clock.h"
#endif

namespace velnora::cli {
namespace {

using std::chrono::sys_days;
using namespace std::chrono_literals;

// Ahmedabad without a date, a time or a name.
const std::vector<std::string> kPlace = {
    "--lat-deg", "23", "--lat-min",        "2", "--lat-hemisphere", "N",  "--lon-deg",     "72",
    "--lon-min", "35", "--lon-hemisphere", "E", "--zone-hour",      "-5", "--zone-minute", "-30"};

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun Call(std::vector<std::string> args, std::initializer_list<std::string> extra,
            std::chrono::sys_seconds now = sys_days{2024y / 3 / 5} + 3h + 35min) {
    args.insert(args.end(), extra);
    std::ostringstream out, err;
    const FixedClock clock(now);
    const int status = Main(args, out, err, clock);
    return {status, out.str(), err.str()};
}

std::size_t Count(const std::string& text, std::string_view what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

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
// a date outside the year list: the table lists that night all the same.
TEST(Plan, TheNightBeforeTheFirstListedDateIsListed) {
    const CliRun r = Call(kPlace, {"--name", "A", "--month", "January", "--day", "1", "--year",
                                   "1901", "--hour", "2", "--table"});
    ASSERT_EQ(r.status, kOk) << r.err;
    EXPECT_NE(r.out.find("12/31/1900"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("<- time of work"), std::string::npos) << r.out;
}

// Every folded line is at most 75 octets, starts on a character and is valid
// UTF-8: a typed text's stray bytes come out as U+FFFD, as in the JSON output.
TEST(Plan, CalendarLinesAreFoldedAt75OctetsIntoValidUtf8) {
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

// A stream that takes `room` characters and then fails, as a full disk does.
class FailingAfter final : public std::streambuf {
public:
    FailingAfter(std::ostream& into, std::size_t room) : into_(into), room_(room) {}

protected:
    int_type overflow(int_type c) override {
        if (room_ == 0 || traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::eof();
        --room_;
        into_.put(traits_type::to_char_type(c));
        return c;
    }

private:
    std::ostream& into_;
    std::size_t room_;
};

// A calendar file is replaced whole or not at all, and nothing is left beside it.
TEST(Plan, CalendarFileIsReplacedOnlyWhenWrittenWhole) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("velnora-ics-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directory(folder);
    const fs::path file = folder / "plan.ics";
    const std::string before = "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n";
    { std::ofstream(file, std::ios::binary) << before; }
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const auto contents = [&] {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const auto entries = [&] {
        return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
    };
    Options options;
    std::string error;
    std::vector<std::string> args = kPlace;
    args.insert(args.end(), {"--name", "RAM", "--month", "March", "--day", "5", "--year", "2024"});
    ASSERT_TRUE(ParseArguments(args, options, error)) << error;
    const std::vector<DayListing> days = ListDays(std::get<Plan>(PlanOf(options, {})), 2);
    ASSERT_FALSE(days[0].failure);
    const english::CalendarEnglish words;
    const CalendarRequest request{words, days, true, "Ahmedabad", sys_days{2024y / 3 / 5}};
    const auto cut = ReplaceFile(file.string(), [&](std::ostream& out) {
        FailingAfter full(out, 600);
        std::ostream limited(&full);
        WriteCalendar(limited, request);
        return static_cast<bool>(limited);
    });
    ASSERT_TRUE(cut.has_value());
    EXPECT_EQ(cut->kind, WriteFailureKind::Incomplete);
    EXPECT_EQ(contents(), before);
    EXPECT_EQ(entries(), 1) << "a temporary file was left behind";

    std::ostringstream whole;
    WriteCalendar(whole, request);
    const auto failure = ReplaceFile(
        file.string(), [&](std::ostream& out) { return static_cast<bool>(out << whole.str()); });
    ASSERT_FALSE(failure.has_value()) << static_cast<int>(failure->kind);
    EXPECT_EQ(contents(), whole.str());
    EXPECT_EQ(entries(), 1);
    EXPECT_EQ(fs::status(file).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::remove_all(folder);
}

TEST(Plan, CalendarEventsAreThePeriodsOfTheListing) {
    const std::vector<std::string> days = {"--month", "March", "--day",  "5",
                                           "--year",  "2024",  "--days", "1"};
    const CliRun all = Call(kPlace, {"--month", "March", "--day", "5", "--year", "2024", "--days",
                                     "1", "--ics", "-", "--ics-all"});
    ASSERT_EQ(all.status, kOk) << all.err;
    EXPECT_EQ(Count(all.out, "BEGIN:VEVENT"), 17u);  // the night's fourth period is split
    // 6:58 India time is 1:28 Greenwich time.
    EXPECT_NE(all.out.find("UID:20240305-day-1-"), std::string::npos);
    EXPECT_NE(all.out.find("DTSTART:20240305T012800Z\r\n"), std::string::npos);
    EXPECT_NE(all.out.find("UID:20240305-night-4b-"), std::string::npos);
    EXPECT_NE(all.out.find("DTSTAMP:20240305T033500Z\r\n"), std::string::npos);
    EXPECT_NE(all.out.find("SUMMARY:Udveg: unfavorable\r\n"), std::string::npos);

    const CliRun favorable = Call(
        kPlace, {"--month", "March", "--day", "5", "--year", "2024", "--days", "1", "--ics", "-"});
    EXPECT_EQ(Count(favorable.out, "BEGIN:VEVENT"), Count(all.out, "SUMMARY:Amrut") +
                                                        Count(all.out, "SUMMARY:Shubh") +
                                                        Count(all.out, "SUMMARY:Labh"));
    EXPECT_EQ(Count(favorable.out, ": unfavorable"), 0u);
}

#ifdef VELNORA_PLACES
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
#endif

}  // namespace
}  // namespace velnora::cli
