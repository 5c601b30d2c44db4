// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/hidden_temporary.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstring>

namespace velnora {
namespace {

// The hidden temporary file that SIGINT, SIGTERM or SIGHUP must remove. A signal
// handler finds it nowhere but here, so this one record is process-wide; the
// mutex in `SignalCleanup` lets one write at a time use it.
struct PendingTemporary {
    std::atomic<bool> armed{false};
    int folder = -1;
    std::array<char, NAME_MAX + 1> name{};
    std::array<struct sigaction, 3> previous{};
    std::array<bool, 3> caught{};
};
constexpr std::array<int, 3> kEndingSignals = {SIGINT, SIGTERM, SIGHUP};
constinit PendingTemporary pending;

void RemovePendingAndResend(int signal) {
    const int saved = errno;
    if (pending.armed.exchange(false)) ::unlinkat(pending.folder, pending.name.data(), 0);
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
        if (kEndingSignals[i] == signal) ::sigaction(signal, &pending.previous[i], nullptr);
    }
    // Delivered with its own action (the end of the process) once this returns.
    ::raise(signal);
    errno = saved;
}

}  // namespace

SignalCleanup::SignalCleanup() : lock_(Mutex()) {
    struct sigaction action {};
    action.sa_handler = RemovePendingAndResend;
    ::sigemptyset(&action.sa_mask);
    for (const int s : kEndingSignals) ::sigaddset(&action.sa_mask, s);
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
        struct sigaction& previous = pending.previous[i];
        pending.caught[i] = ::sigaction(kEndingSignals[i], nullptr, &previous) == 0 &&
                            (previous.sa_flags & SA_SIGINFO) == 0 &&
                            previous.sa_handler == SIG_DFL &&
                            ::sigaction(kEndingSignals[i], &action, nullptr) == 0;
    }
}

SignalCleanup::~SignalCleanup() {
    Disarm();
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
        if (pending.caught[i]) ::sigaction(kEndingSignals[i], &pending.previous[i], nullptr);
    }
}

void SignalCleanup::Arm(int folder, const std::string& name) {
    pending.armed.store(false);
    pending.folder = folder;
    const std::size_t length = std::min(name.size(), pending.name.size() - 1);
    std::memcpy(pending.name.data(), name.data(), length);
    pending.name[length] = '\0';
    pending.armed.store(true);
}

void SignalCleanup::Disarm() { pending.armed.store(false); }

std::mutex& SignalCleanup::Mutex() {
    static std::mutex m;
    return m;
}

HiddenNames::HiddenNames(int folder, const std::string& name) {
    constexpr long kLongestTail = 1 + 10 + 1 + 2 + 4;  // ".PID.NN.tmp"
    long limit = ::fpathconf(folder, _PC_NAME_MAX);
    if (limit <= kLongestTail + 2 || limit > NAME_MAX) limit = NAME_MAX;
    const std::size_t room = static_cast<std::size_t>(limit - kLongestTail - 1);
    stem_ = "." + name.substr(0, std::min(name.size(), room)) + ".";
}

std::string HiddenNames::Name(int attempt) const {
    return stem_ + std::to_string(::getpid()) + "." + std::to_string(attempt) + ".tmp";
}

pid_t HiddenNames::OwnerOf(std::string_view entry) const {
    constexpr std::string_view kEnd = ".tmp";
    if (!entry.starts_with(stem_) || !entry.ends_with(kEnd)) return 0;
    const std::string_view middle =
        entry.substr(stem_.size(), entry.size() - stem_.size() - kEnd.size());
    pid_t pid = 0;
    int attempt = 0;
    const auto [dot, read] = std::from_chars(middle.data(), middle.data() + middle.size(), pid);
    if (read != std::errc() || dot == middle.data() + middle.size() || *dot != '.') return 0;
    const char* end = middle.data() + middle.size();
    const auto [last, readAttempt] = std::from_chars(dot + 1, end, attempt);
    if (readAttempt != std::errc() || last != end || pid <= 0) return 0;
    return pid;
}

void RemoveStale(int folder, const HiddenNames& names) {
    const int listing = ::dup(folder);
    if (listing < 0) return;
    DIR* dir = ::fdopendir(listing);
    if (!dir) {
        ::close(listing);
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const pid_t owner = names.OwnerOf(entry->d_name);
        if (owner <= 0 || owner == ::getpid()) continue;
        if (::kill(owner, 0) == 0 || errno != ESRCH) continue;  // alive, or another user's
        struct stat info {};
        if (::fstatat(folder, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && info.st_uid == ::geteuid()) {
            ::unlinkat(folder, entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

}  // namespace velnora
