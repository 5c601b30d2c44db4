// SPDX-License-Identifier: GPL-3.0-or-later
// velnora-cli run in the test process on a fixed clock, for the tests of the
// planning options and of the calendar they write.
#pragma once

#include <chrono>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"

namespace velnora::cli::testing_support {

using std::chrono::sys_days;
using namespace std::chrono_literals;

// Ahmedabad without a date, a time or a name.
inline const std::vector<std::string> kPlace = {
    "--lat-deg", "23", "--lat-min",        "2", "--lat-hemisphere", "N",  "--lon-deg",     "72",
    "--lon-min", "35", "--lon-hemisphere", "E", "--zone-hour",      "-5", "--zone-minute", "-30"};

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun Call(std::vector<std::string> args, std::initializer_list<std::string> extra,
                   std::chrono::sys_seconds now = sys_days{2024y / 3 / 5} + 3h + 35min) {
    args.insert(args.end(), extra);
    std::ostringstream out, err;
    const FixedClock clock(now);
    const int status = Main(args, out, err, clock);
    return {status, out.str(), err.str()};
}

inline std::size_t Count(const std::string& text, std::string_view what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

}  // namespace velnora::cli::testing_support
