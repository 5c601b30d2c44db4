// SPDX-License-Identifier: GPL-3.0-or-later
// The hidden temporary files a write leaves beside its target while it runs:
// their names, their removal when a signal ends the process, and the removal of
// those that killed processes left behind.
#pragma once

#include <sys/types.h>

#include <mutex>
#include <string>
#include <string_view>

namespace velnora {

// While it lives, a signal that would end the process (SIGINT, SIGTERM, SIGHUP)
// first removes the hidden file last armed. A signal the process ignores or
// handles itself is left alone. One write at a time holds it.
class SignalCleanup {
public:
    SignalCleanup();
    SignalCleanup(const SignalCleanup&) = delete;
    SignalCleanup& operator=(const SignalCleanup&) = delete;
    ~SignalCleanup();
    // `name` in the folder open as `folder` is removed by an ending signal.
    void Arm(int folder, const std::string& name);
    static void Disarm();

private:
    static std::mutex& Mutex();
    std::lock_guard<std::mutex> lock_;
};

// Hidden names beside the file: "." + its name + "." + process + "." + attempt +
// ".tmp", the file's name cut short so that the whole stays within the folder's
// limit on a name, whatever the process number.
class HiddenNames {
public:
    HiddenNames(int folder, const std::string& name);
    std::string Name(int attempt) const;
    // The process whose hidden file `entry` is, or 0 when it is none of these.
    pid_t OwnerOf(std::string_view entry) const;

private:
    std::string stem_;
};

// Removes the hidden files of this user's that processes no longer running left
// beside the same file (killed with SIGKILL, or with the machine).
void RemoveStale(int folder, const HiddenNames& names);

}  // namespace velnora
