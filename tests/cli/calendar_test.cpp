// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar velnora-cli writes with --ics: its events, and its file replaced
// whole or not at all.
#include "planning/calendar.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli.h"
#include "files/replace_file.h"
#include "plan_run.h"

namespace velnora::cli {
namespace {

using namespace testing_support;

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

}  // namespace
}  // namespace velnora::cli
