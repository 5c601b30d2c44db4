// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/replace_file.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace velnora {
namespace {

namespace fs = std::filesystem;
using Kind = WriteFailureKind;

constexpr uid_t kNobody = 65534;
constexpr int kWritten = 0;
constexpr int kRefusedBase = 100;  // exit status of a refusal: kRefusedBase + its kind
const std::string kNew = "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n";

bool Root() { return ::geteuid() == 0; }

std::string Contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Put(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

// A folder of its own for each case, which `nobody` may enter.
class Scratch {
public:
    Scratch() {
        std::string name = (fs::temp_directory_path() / "velnora-files-XXXXXX").string();
        if (::mkdtemp(name.data())) path_ = name;
        fs::permissions(path_,
                        fs::perms::owner_all | fs::perms::others_exec | fs::perms::group_exec);
    }
    ~Scratch() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// Waits for `child` to end within a generous deadline: its process descriptor
// becomes readable when it does. False when it did not (it is then killed).
bool Reap(pid_t child, int& status) {
    constexpr int kDeadlineMs = 20000;
    const int fd = static_cast<int>(::syscall(SYS_pidfd_open, child, 0));
    pollfd ended{fd, POLLIN, 0};
    const bool done = fd < 0 || ::poll(&ended, 1, kDeadlineMs) == 1;  // no pidfd: wait as is
    if (fd >= 0) ::close(fd);
    if (!done) ::kill(child, SIGKILL);
    return ::waitpid(child, &status, 0) == child && done;
}

// Writes `path` in a child process, as `nobody` when `asNobody`; the child's
// exit status says how the write ended.
std::optional<int> WriteInChild(const fs::path& path, bool asNobody) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (asNobody &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            ::_exit(99);
        }
        const auto failure =
            ReplaceFile(path, [](std::ostream& out) { return static_cast<bool>(out << kNew); });
        ::_exit(failure ? kRefusedBase + static_cast<int>(failure->kind) : kWritten);
    }
    int status = 0;
    if (child < 0 || !Reap(child, status) || !WIFEXITED(status)) return std::nullopt;
    return WEXITSTATUS(status);
}

struct TargetRow {
    const char* name;
    bool rootOnly;  // needs another user's file or link
    bool asNobody;  // when run as root, the write is made as `nobody`
    // Makes what lies at the path `folder/cal.ics`.
    std::function<void(const fs::path& folder)> plant;
    std::optional<Kind> refused;  // empty: written
    // What must hold afterwards.
    std::function<void(const fs::path& folder)> check;
};

TEST(ReplaceFile, TakesOnlyAFileItMayAndShouldReplace) {
    const std::string longName(254, 'x');
    const TargetRow rows[] = {
        {"a link another user planted in a sticky folder everyone may write", true, false,
         [](const fs::path& f) {
             Put(f / "victim", "victim");
             fs::create_directory(f / "shared");
             fs::permissions(f / "shared", fs::perms::all | fs::perms::sticky_bit);
             fs::create_symlink(f / "victim", f / "shared" / "cal.ics");
             ASSERT_EQ(::lchown((f / "shared" / "cal.ics").c_str(), kNobody, kNobody), 0);
             fs::create_symlink(f / "shared" / "cal.ics", f / "cal.ics");
         },
         Kind::PlantedLink, [](const fs::path& f) { EXPECT_EQ(Contents(f / "victim"), "victim"); }},
        {"a link of the user's own in a sticky folder is written through", false, false,
         [](const fs::path& f) {
             Put(f / "mine.ics", "old");
             fs::create_directory(f / "shared");
             fs::permissions(f / "shared", fs::perms::all | fs::perms::sticky_bit);
             fs::create_symlink(f / "mine.ics", f / "shared" / "cal.ics");
             fs::create_symlink(f / "shared" / "cal.ics", f / "cal.ics");
         },
         std::nullopt,
         [](const fs::path& f) {
             EXPECT_EQ(Contents(f / "mine.ics"), kNew);
             EXPECT_TRUE(fs::is_symlink(f / "shared" / "cal.ics"));
         }},
        {"a read-only file", false, true,
         [](const fs::path& f) {
             Put(f / "cal.ics", "old");
             fs::permissions(f / "cal.ics", fs::perms::owner_read | fs::perms::group_read |
                                                fs::perms::others_read);
             if (Root()) {
                 ASSERT_EQ(::chown(f.c_str(), kNobody, kNobody), 0);
                 ASSERT_EQ(::chown((f / "cal.ics").c_str(), kNobody, kNobody), 0);
             }
         },
         Kind::ReadOnly, [](const fs::path& f) { EXPECT_EQ(Contents(f / "cal.ics"), "old"); }},
        {"another user's file keeps its owner, group and mode", true, false,
         [](const fs::path& f) {
             Put(f / "cal.ics", "old");
             fs::permissions(f / "cal.ics", fs::perms::owner_read | fs::perms::owner_write |
                                                fs::perms::group_read);
             ASSERT_EQ(::chown((f / "cal.ics").c_str(), kNobody, kNobody), 0);
         },
         std::nullopt,
         [](const fs::path& f) {
             struct stat info {};
             ASSERT_EQ(::stat((f / "cal.ics").c_str(), &info), 0);
             EXPECT_EQ(info.st_uid, kNobody);
             EXPECT_EQ(info.st_gid, kNobody);
             EXPECT_EQ(info.st_mode & 07777, 0640u);
             EXPECT_EQ(Contents(f / "cal.ics"), kNew);
         }},
        {"a FIFO, refused at once without a reader", false, false,
         [](const fs::path& f) { ASSERT_EQ(::mkfifo((f / "cal.ics").c_str(), 0600), 0); },
         Kind::NotRegularFile, [](const fs::path& f) { EXPECT_TRUE(fs::is_fifo(f / "cal.ics")); }},
        {"a folder", false, false, [](const fs::path& f) { fs::create_directory(f / "cal.ics"); },
         Kind::Folder, [](const fs::path& f) { EXPECT_TRUE(fs::is_directory(f / "cal.ics")); }},
        {"a name of 254 characters", false, false,
         [&](const fs::path& f) {
             Put(f / longName, "old");
             fs::create_symlink(f / longName, f / "cal.ics");
         },
         std::nullopt, [&](const fs::path& f) { EXPECT_EQ(Contents(f / longName), kNew); }},
    };
    for (const TargetRow& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.rootOnly && !Root()) {
            std::cout << "[ SKIPPED  ] " << row.name
                      << ": needs root to make another user's file\n";
            continue;
        }
        Scratch scratch;
        row.plant(scratch.path());
        const std::optional<int> status =
            WriteInChild(scratch.path() / "cal.ics", row.asNobody && Root());
        ASSERT_TRUE(status.has_value()) << "the write did not end in time";
        EXPECT_EQ(*status, row.refused ? kRefusedBase + static_cast<int>(*row.refused) : kWritten);
        row.check(scratch.path());
        // Nothing but what was planted and the file itself.
        for (const auto& entry : fs::directory_iterator(scratch.path())) {
            EXPECT_NE(entry.path().filename().string().front(), '.') << entry.path();
        }
    }
}

// The names in `folder`.
std::vector<std::string> Entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

struct KillRow {
    const char* name;
    int signal;
    Temporary temporary;
    bool leavesHidden;  // a SIGKILL strands the hidden file, for the next write to remove
};

TEST(ReplaceFile, AKillInTheMiddleLeavesTheFileAndNoTemporaryForLong) {
    const KillRow rows[] = {
        {"SIGTERM, hidden file", SIGTERM, Temporary::Named, false},
        {"SIGHUP, hidden file", SIGHUP, Temporary::Named, false},
        {"SIGINT, hidden file", SIGINT, Temporary::Named, false},
        {"SIGKILL, hidden file", SIGKILL, Temporary::Named, true},
        {"SIGKILL, unnamed file", SIGKILL, Temporary::UnnamedWherePossible, false},
    };
    for (const KillRow& row : rows) {
        SCOPED_TRACE(row.name);
        Scratch scratch;
        const fs::path file = scratch.path() / "cal.ics";
        Put(file, "old");
        int writing[2], never[2];
        ASSERT_EQ(::pipe(writing), 0);
        ASSERT_EQ(::pipe(never), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(writing[0]);
            ::close(never[1]);
            for (const int s : {SIGINT, SIGTERM, SIGHUP}) ::signal(s, SIG_DFL);
            ReplaceFile(
                file,
                [&](std::ostream& out) {
                    out << std::string(1 << 20, 'x') << std::flush;
                    const char ready = 1;
                    [[maybe_unused]] const ssize_t told = ::write(writing[1], &ready, 1);
                    char none = 0;
                    [[maybe_unused]] const ssize_t read = ::read(never[0], &none, 1);
                    return false;
                },
                row.temporary);
            ::_exit(0);
        }
        ::close(writing[1]);
        ::close(never[0]);
        pollfd ready{writing[0], POLLIN, 0};
        ASSERT_EQ(::poll(&ready, 1, 20000), 1) << "the child never began to write";
        ::kill(child, row.signal);
        int status = 0;
        ASSERT_TRUE(Reap(child, status));
        ::close(writing[0]);
        ::close(never[1]);
        ASSERT_TRUE(WIFSIGNALED(status));
        EXPECT_EQ(WTERMSIG(status), row.signal);
        EXPECT_EQ(Contents(file), "old");
        const std::vector<std::string> left = Entries(scratch.path());
        if (row.leavesHidden) {
            EXPECT_EQ(left.size(), 2u);
            // The next write removes what the killed process left.
            ASSERT_FALSE(ReplaceFile(file, [](std::ostream& out) {
                             return static_cast<bool>(out << kNew);
                         }).has_value());
            EXPECT_EQ(Contents(file), kNew);
        }
        EXPECT_EQ(Entries(scratch.path()), std::vector<std::string>{"cal.ics"});
    }
}

}  // namespace
}  // namespace velnora
