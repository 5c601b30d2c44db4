// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <sstream>

#include "cli/periods.h"
#include "planning/english.h"

namespace velnora::cli {
namespace {

const std::vector<std::string> kRam = {
    "--name",           "RAM",  "--month",     "March", "--day",         "5",
    "--year",           "2024", "--hour",      "9",     "--minute",      "5",
    "--second",         "0",    "--lat-deg",   "23",    "--lat-min",     "2",
    "--lat-hemisphere", "N",    "--lon-deg",   "72",    "--lon-min",     "35",
    "--lon-hemisphere", "E",    "--zone-hour", "-5",    "--zone-minute", "-30"};

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun Call(std::vector<std::string> args, std::initializer_list<std::string> extra = {}) {
    args.insert(args.end(), extra);
    std::ostringstream out, err;
    const int status = Main(args, out, err);
    return {status, out.str(), err.str()};
}

// The sixteen texts, each date-time beside them in ISO 8601 with its offset, and
// the verdict as a word beside its sentence.
TEST(Cli, JsonHasTheSixteenLabelsAsTheResultWindowShowsThem) {
    const CliRun r = Call(kRam, {"--json"});
    ASSERT_EQ(r.status, kOk) << r.err;
    EXPECT_NE(r.out.find("\"lblChaghodiya\": \"Udveg\""), std::string::npos);
    EXPECT_NE(r.out.find("\"lblTimePeriod\": \"Time period for work can be unfavorable.\",\n  "
                         "\"verdict\": \"unfavorable\",\n"),
              std::string::npos);
    EXPECT_NE(r.out.find("\"lblInputDaySunRiseTime\": \"3/5/2024 6:58:00 AM\",\n  "
                         "\"lblInputDaySunRiseTimeIso\": \"2024-03-05T06:58:00+05:30\""),
              std::string::npos);
    EXPECT_NE(r.out.find("\"lblTOBIso\": \"2024-03-05T09:05:00+05:30\""), std::string::npos);
    EXPECT_NE(r.out.find("\"lblLatitude\": \"23\u00B0 2' N\""), std::string::npos);
    int keys = 0, isoKeys = 0;
    for (std::size_t at = r.out.find("\"lbl"); at != std::string::npos;
         at = r.out.find("\"lbl", at + 1)) {
        ++(r.out.compare(r.out.find('"', at + 1) - 3, 3, "Iso") == 0 ? isoKeys : keys);
    }
    EXPECT_EQ(keys, 16);
    EXPECT_EQ(isoKeys, 7);  // the time of work and the six sun times
    EXPECT_EQ(r.out.find("periods"), std::string::npos);
}

TEST(Cli, TextOutputIsAlignedCaptionValueLines) {
    const CliRun r = Call(kRam);
    ASSERT_EQ(r.status, kOk);
    std::istringstream lines(r.out);
    std::string line;
    std::size_t valueColumn = 0;
    int count = 0;
    while (std::getline(lines, line)) {
        const std::size_t colon = line.find(':');
        ASSERT_NE(colon, std::string::npos) << line;
        const std::size_t value = line.find_first_not_of(' ', colon + 1);
        if (valueColumn == 0) valueColumn = value;
        if (value != std::string::npos) {
            EXPECT_EQ(value, valueColumn) << line;
        }
        ++count;
    }
    EXPECT_EQ(count, 16);
    EXPECT_NE(r.out.find("Choghadiya:"), std::string::npos);
    EXPECT_NE(r.out.find("Udveg"), std::string::npos);
}

TEST(Cli, TableListsEightDayAndEightNightPeriods) {
    const CliRun text = Call(kRam, {"--table"});
    ASSERT_EQ(text.status, kOk);
    EXPECT_NE(text.out.find("Day periods"), std::string::npos);
    EXPECT_NE(text.out.find("Udveg   unfavorable   Vaar Vela  <- time of work"), std::string::npos);
    std::size_t marks = 0;
    for (std::size_t at = text.out.find("<- time of work"); at != std::string::npos;
         at = text.out.find("<- time of work", at + 1)) {
        ++marks;
    }
    EXPECT_EQ(marks, 1u);

    const CliRun json = Call(kRam, {"--json", "--table"});
    ASSERT_EQ(json.status, kOk);
    EXPECT_NE(json.out.find("\"day\": [{\"number\": 1, \"start\": \"3/5/2024 6:58:00 AM\""),
              std::string::npos);
    EXPECT_NE(json.out.find("\"number\": 8, \"start\""), std::string::npos);
    EXPECT_NE(json.out.find("\"end\": \"3/5/2024 6:45:00 PM\""), std::string::npos);
    EXPECT_NE(json.out.find("\"night\": [{\"number\": 1, \"start\": \"3/5/2024 6:45:00 PM\""),
              std::string::npos);
}

TEST(Cli, ExitStatusTellsWhatHappened) {
    struct Row {
        const char* name;
        std::vector<std::string> args;
        int status;
        const char* stderrText;
    };
    auto with = [](std::initializer_list<std::string> extra) {
        std::vector<std::string> a = kRam;
        a.insert(a.end(), extra);
        return a;
    };
    const Row rows[] = {
        {"missing_options_act_like_an_untouched_form", {}, kRefused, "Please Enter Name\n"},
        {"bad_minute", with({"--lat-min", "60"}), kRefused,
         "Please Enter Value Between 0 And 59 in the  Minute of Latitude\n"},
        {"empty_zone", with({"--zone-hour", ""}), kRefused, "Please Enter Time Zone\n"},
        {"polar_day",
         with({"--lat-deg", "70", "--lon-deg", "25", "--month", "June", "--day", "21"}),
         kNoSunriseSunset, "Sun Does Not Rise Or Set At This Place Around This Date\n"},
        {"sunset_after_midnight",
         with({"--lat-deg", "64", "--lat-min", "8", "--lon-deg", "21", "--lon-min", "54",
               "--lon-hemisphere", "W", "--zone-hour", "0", "--zone-minute", "0", "--month", "June",
               "--day", "21"}),
         kNoSunriseSunset, "Sun Rise And Sun Set Do Not Fall On This Date Here\n"},
        {"empty_place_after_equals", with({"--place="}), kUsage, nullptr},
        {"empty_place", with({"--place", ""}), kUsage, nullptr},
        {"unknown_option", with({"--colour", "red"}), kUsage, nullptr},
        {"day_outside_list", with({"--day", "32"}), kUsage, nullptr},
        {"year_outside_list", with({"--year", "1900"}), kUsage, nullptr},
        {"hemisphere_outside_list", with({"--lat-hemisphere", "X"}), kUsage, nullptr},
        {"month_outside_list", with({"--month", "Smarch"}), kUsage, nullptr},
        {"month_number_outside_list", with({"--month", "13"}), kUsage, nullptr},
        {"month_by_number", with({"--month", "3"}), kOk, ""},
        {"month_by_three_letters", with({"--month", "mar"}), kOk, ""},
        {"value_missing", with({"--name"}), kUsage, nullptr},
        {"flag_with_value", with({"--json=yes"}), kUsage, nullptr},
        {"equals_form_accepted", with({"--day=6"}), kOk, ""},
    };
    for (const Row& row : rows) {
        const CliRun r = Call(row.args);
        EXPECT_EQ(r.status, row.status) << row.name << ": " << r.err;
        if (row.stderrText) {
            EXPECT_EQ(r.err, row.stderrText) << row.name;
        }
        if (row.status == kUsage) {  // one line that points to --help
            EXPECT_EQ(r.err.rfind("velnora-cli: ", 0), 0u) << row.name << ": " << r.err;
            EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << row.name << ": " << r.err;
            EXPECT_NE(r.err.find("; see velnora-cli --help\n"), std::string::npos) << row.name;
        }
    }
}

TEST(Cli, HemispheresAndPlaceNamesReachTheResult) {
    const CliRun r =
        Call(kRam, {"--json", "--lat-hemisphere", "S", "--lon-hemisphere", "W", "--zone-hour", "5",
                    "--zone-minute", "0", "--city", "A \"quoted\" city", "--month", "december"});
    ASSERT_EQ(r.status, kOk) << r.err;
    EXPECT_NE(r.out.find("\"lblLatitude\": \"23\u00B0 2' S\""), std::string::npos);
    EXPECT_NE(r.out.find("\"lblLongitude\": \"72\u00B0 35' W\""), std::string::npos);
    EXPECT_NE(r.out.find("\"lblCity\": \"A \\\"quoted\\\" city\""), std::string::npos);
    EXPECT_NE(r.out.find("\"lblDOB\": \"December/5/2024\""), std::string::npos);
}

// The general date form of United States English, which --json and the tables
// promise: month first, no leading zeros, 12-hour clock, midnight as the date alone.
TEST(English, UsGeneralDate) {
    struct Row {
        ClockTime time;
        const char* text;
    };
    for (const Row& row :
         {Row{{6, 12, 0}, "3/5/2024 6:12:00 AM"}, Row{{0, 0, 0}, "3/5/2024"},
          Row{{0, 0, 1}, "3/5/2024 12:00:01 AM"}, Row{{12, 0, 0}, "3/5/2024 12:00:00 PM"},
          Row{{18, 45, 0}, "3/5/2024 6:45:00 PM"}, Row{{23, 59, 59}, "3/5/2024 11:59:59 PM"}}) {
        EXPECT_EQ(UsGeneralDate(LocalDateTime::From({2024, 3, 5}, row.time)), row.text);
    }
    EXPECT_EQ(UsGeneralDate(LocalDateTime::From({1901, 12, 31}, {9, 5, 0})),
              "12/31/1901 9:05:00 AM");
}

TEST(English, ResultTextsWithoutLeadingZeros) {
    EvaluationResult r;
    r.name = "  RAM K ";
    r.dateOfWork = {1901, 1, 1};
    r.timeOfWork = {0, 0, 7};
    r.latitude = {0, 0, Hemisphere::North};
    r.longitude = {5, 8, Hemisphere::West};
    r.verdict = Verdict::Intermediate;
    r.period = Choghadiya::Chal;
    const auto texts = ResultTexts(r);
    EXPECT_EQ(texts[0], "  RAM K ");
    EXPECT_EQ(texts[1], "January/1/1901");
    EXPECT_EQ(texts[2], "0:0");
    EXPECT_EQ(texts[3], "0\u00B0 0' N");
    EXPECT_EQ(texts[4], "5\u00B0 8' W");
    EXPECT_EQ(texts[14], "Time period for work can be intermediate.");
    EXPECT_EQ(texts[15], "Chal");
    r.period.reset();  // a name the lookup never wrote
    EXPECT_EQ(ResultTexts(r)[15], "");
    EXPECT_EQ(VerdictText(Verdict::Favorable), "Time period for work can be favorable.");
    EXPECT_EQ(VerdictText(Verdict::Unfavorable), "Time period for work can be unfavorable.");
}

// The offset's sign east of Greenwich positive, as ISO 8601 has it, and the odd
// seconds of a local mean time kept.
TEST(Cli, IsoDateTimeCarriesTheOffsetInForce) {
    const struct {
        ClockTime time;
        std::int64_t east;
        const char* iso;
    } rows[] = {
        {{7, 16, 0}, -4 * 3600, "2024-03-10T07:16:00-04:00"},
        {{0, 0, 0}, 19800, "2024-03-10T00:00:00+05:30"},
        {{23, 59, 59}, 0, "2024-03-10T23:59:59+00:00"},
        {{12, 0, 0}, -(4 * 3600 + 56 * 60 + 2), "2024-03-10T12:00:00-04:56:02"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(IsoDateTime(LocalDateTime::From({2024, 3, 10}, row.time), row.east), row.iso);
    }
}

TEST(Cli, JsonQuoteEscapesControlCharacters) {
    EXPECT_EQ(JsonQuote("a\\b\"c\n\r\t\x01"), "\"a\\\\b\\\"c\\n\\r\\t\\u0001\"");
    EXPECT_EQ(JsonQuote("23\u00B0"), "\"23\u00B0\"");
}

// Each byte that is not part of well-formed UTF-8 becomes U+FFFD; well-formed
// characters of every length pass unchanged.
TEST(Cli, JsonQuoteKeepsTheOutputValidUtf8) {
    struct Row {
        const char* name;
        std::string text;
        std::string quoted;
    };
    const std::string r = "\uFFFD";
    const Row rows[] = {
        {"lone_ff", "\xff", "\"" + r + "\""},
        {"cut_short", "A\xE2\x82", "\"A" + r + r + "\""},
        {"overlong_slash", "\xC0\xAF", "\"" + r + r + "\""},
        {"surrogate", "\xED\xA0\x80", "\"" + r + r + r + "\""},
        {"beyond_10ffff", "\xF4\x90\x80\x80", "\"" + r + r + r + r + "\""},
        {"stray_continuation", "R\x80M", "\"R" + r + "M\""},
        {"every_length", "A\u00E9\u20AC\U0001F600", "\"A\u00E9\u20AC\U0001F600\""},
    };
    for (const Row& row : rows) EXPECT_EQ(JsonQuote(row.text), row.quoted) << row.name;
}

TEST(Cli, UserTextsCannotForgeLinesOrReachTheTerminal) {
    const CliRun text = Call(kRam, {"--name", "RAM\nChoghadiya:            Amrut", "--city",
                                    "\x1b[31mRed\tTown\r", "--state",
                                    "\xC2\x9B"
                                    "2J\xff"});
    ASSERT_EQ(text.status, kOk) << text.err;
    EXPECT_NE(text.out.find("RAM\\nChoghadiya:            Amrut\n"), std::string::npos);
    EXPECT_NE(text.out.find("\\x1b[31mRed\\tTown\\r\n"), std::string::npos);
    EXPECT_NE(text.out.find("\\u009b2J\\xff\n"), std::string::npos);
    EXPECT_EQ(std::count(text.out.begin(), text.out.end(), '\n'), 16);
    EXPECT_EQ(text.out.find('\x1b'), std::string::npos);
    EXPECT_EQ(text.out.rfind("\nChoghadiya:"), text.out.find("\nChoghadiya:"));

    const CliRun json = Call(kRam, {"--json", "--name", "\xff"});
    ASSERT_EQ(json.status, kOk) << json.err;
    EXPECT_NE(json.out.find("\"lblName\": \"\uFFFD\""), std::string::npos);
    EXPECT_EQ(json.out.find('\xff'), std::string::npos);

    const CliRun usage = Call(kRam, {"--day", "1\x1b[2J"});
    EXPECT_EQ(usage.status, kUsage);
    EXPECT_NE(usage.err.find("\"1\\x1b[2J\""), std::string::npos);
}

#ifdef VELNORA_PLACES
TEST(Cli, PlaceTakesPositionAndZoneFromTheGazetteer) {
    const std::vector<std::string> work = {"--name", "RAM",  "--month", "March", "--day",    "5",
                                           "--year", "2024", "--hour",  "9",     "--minute", "5"};
    const CliRun pune = Call(work, {"--place", "Pune Maharashtra India", "--json"});
    ASSERT_EQ(pune.status, kOk) << pune.err;
    EXPECT_NE(
        pune.out.find("\"place\": {\"name\": \"Pune\", \"division\": \"Maharashtra\", \"country\": "
                      "\"India\", \"latitude\": 18.51957, \"longitude\": 73.85535, \"zone\": "
                      "\"Asia/Kolkata\", \"zoneHour\": \"-5\", \"zoneMinute\": \"-30\"}"),
        std::string::npos)
        << pune.out;
    EXPECT_NE(pune.out.find("\"lblLatitude\": \"18\u00B0 31' N\""), std::string::npos);
    EXPECT_NE(pune.out.find("\"lblLongitude\": \"73\u00B0 51' E\""), std::string::npos);

    // The same place typed out by hand gives the same sun times.
    const CliRun typed =
        Call(work, {"--lat-deg", "18", "--lat-min", "31", "--lon-deg", "73", "--lon-min", "51",
                    "--zone-hour", "-5", "--zone-minute", "-30", "--json"});
    const auto sunrise = [](const std::string& json) {
        const auto at = json.find("\"lblInputDaySunRiseTime\"");
        return json.substr(at, json.find('\n', at) - at);
    };
    EXPECT_EQ(sunrise(pune.out), sunrise(typed.out));

    // Explicit options win over the place's values.
    const CliRun zoned = Call(work, {"--place", "Pune Maharashtra India", "--zone-hour", "-6",
                                     "--zone-minute", "0", "--json"});
    ASSERT_EQ(zoned.status, kOk);
    EXPECT_NE(sunrise(zoned.out), sunrise(pune.out));

    // Where midsummer's sunset falls after midnight the day is refused.
    const CliRun reykjavik = Call({"--name", "RAM", "--month", "June", "--day", "21", "--year",
                                   "2024", "--hour", "12", "--place", "Reykjavik", "--table"});
    EXPECT_EQ(reykjavik.status, kNoSunriseSunset);
    EXPECT_EQ(reykjavik.err, "Sun Rise And Sun Set Do Not Fall On This Date Here\n");
    EXPECT_EQ(reykjavik.out, "");

    const CliRun nowhere = Call(work, {"--place", "Qwxyzzy Nowhere Land"});
    EXPECT_EQ(nowhere.status, kRefused);
    EXPECT_NE(nowhere.err.find("No place matches"), std::string::npos);
}

// The places people type, on the whole gazetteer: what is taken, and what is said.
TEST(Cli, PlaceOnTheWholeGazetteer) {
    const std::vector<std::string> work = {"--name", "RAM",  "--month", "March", "--day", "5",
                                           "--year", "2024", "--hour",  "9",     "--json"};
    const struct {
        const char* place;
        const char* taken;
    } rows[] = {
        {"Bombay Maharashtra India", "{\"name\": \"Mumbai\", \"division\": \"Maharashtra\""},
        {"Poona Maharashtra India", "{\"name\": \"Pune\", \"division\": \"Maharashtra\""},
        {"Navi Mumbai Maharashtra India",
         "{\"name\": \"Navi Mumbai\", \"division\": \"Maharashtra\""},
        {"Washington DC USA", "{\"name\": \"Washington\", \"division\": \"Washington, D.C.\""},
        {"Santa Clara Cuba", "\"country\": \"Cuba\""},
        {"Santa Clara CA", "\"division\": \"California\""},
        {"Singapore", "\"zone\": \"Asia/Singapore\", \"zoneHour\": \"-8\", \"zoneMinute\": \"0\"}"},
    };
    for (const auto& row : rows) {
        const CliRun r = Call(work, {"--place", row.place});
        EXPECT_EQ(r.status, kOk) << row.place << ": " << r.err;
        const std::string taken = r.out.substr(0, r.out.find('\n', r.out.find("\"place\": ")));
        EXPECT_NE(taken.find(row.taken), std::string::npos) << row.place << taken;
        EXPECT_EQ(r.err, "") << row.place;
    }

    const CliRun springfield = Call(work, {"--place", "Springfield"});
    EXPECT_EQ(springfield.status, kOk);
    EXPECT_NE(springfield.err.find(
                  "\"Springfield\" names more than one place; took Springfield, Missouri"),
              std::string::npos)
        << springfield.err;
    EXPECT_NE(springfield.err.find("Springfield, Illinois, United States"), std::string::npos);

    const CliRun banglore = Call(work, {"--place", "Banglore Karnataka India"});
    EXPECT_EQ(banglore.status, kRefused);
    EXPECT_NE(banglore.err.find("did you mean Bangalore (Bengaluru), Karnataka, India?"),
              std::string::npos)
        << banglore.err;

    const CliRun bavaria = Call(work, {"--place", "Pune Bavaria Germany"});
    EXPECT_EQ(bavaria.status, kRefused);
    EXPECT_NE(
        bavaria.err.find("No place named \"pune\" lies in \"germany\"; places of that name: Pune, "
                         "Maharashtra, India"),
        std::string::npos)
        << bavaria.err;
}
#endif

// The installed program as a whole process: standard output, standard error and
// the exit status.
TEST(Cli, RunsAsAProcess) {
    std::string command = VELNORA_CLI;
    for (const auto& a : kRam) command += " '" + a + "'";
    FILE* pipe = popen((command + " --json").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    std::array<char, 512> buffer;
    while (std::fgets(buffer.data(), buffer.size(), pipe)) out += buffer.data();
    EXPECT_EQ(WEXITSTATUS(pclose(pipe)), 0);
    EXPECT_NE(out.find("\"lblChaghodiya\": \"Udveg\""), std::string::npos);

    const int refused = std::system((std::string(VELNORA_CLI) + " --name '' 2>/dev/null").c_str());
    EXPECT_EQ(WEXITSTATUS(refused), kRefused);
}

}  // namespace
}  // namespace velnora::cli
