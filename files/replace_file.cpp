// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/replace_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <ostream>
#include <streambuf>
#include <string_view>
#include <utility>

namespace velnora {
namespace {

using Kind = WriteFailureKind;

// Links followed one after another before giving up, as the kernel does.
constexpr int kMostLinks = 40;
// Hidden names tried per write, in case one of this process is still there.
constexpr int kAttempts = 100;

WriteFailure SystemFailure(int code) {
    switch (code) {
        case EACCES:
        case EPERM:
            return {Kind::PermissionDenied, code};
        case EROFS:
            return {Kind::ReadOnlyFileSystem, code};
        case ENOSPC:
        case EDQUOT:
            return {Kind::NoSpace, code};
        case ENOENT:
        case ENOTDIR:
            return {Kind::NotFound, code};
        case ENAMETOOLONG:
            return {Kind::NameTooLong, code};
        case EISDIR:
            return {Kind::Folder, code};
        case ELOOP:
            return {Kind::TooManyLinks, code};
        case EFBIG:
            return {Kind::TooLarge, code};
        case EIO:
            return {Kind::InputOutput, code};
        default:
            return {Kind::Other, code};
    }
}

// An output buffer over a file descriptor that keeps the first write error.
class DescriptorBuffer final : public std::streambuf {
public:
    explicit DescriptorBuffer(int fd) : fd_(fd) { Reset(); }
    int error() const { return error_; }

protected:
    int_type overflow(int_type c) override {
        if (!Drain()) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return Drain() ? 0 : -1; }

private:
    void Reset() { setp(buffer_.data(), buffer_.data() + buffer_.size()); }
    bool Drain() {
        if (error_ != 0) return false;
        for (const char* p = pbase(); p < pptr();) {
            const ssize_t n = ::write(fd_, p, static_cast<std::size_t>(pptr() - p));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                error_ = n < 0 ? errno : EIO;
                return false;
            }
            p += n;
        }
        Reset();
        return true;
    }

    int fd_;
    int error_ = 0;
    std::array<char, 1 << 16> buffer_{};
};

// Runs `write` over `fd` and flushes.
std::optional<WriteFailure> WriteAll(int fd, const std::function<bool(std::ostream&)>& write) {
    DescriptorBuffer buffer(fd);
    std::ostream out(&buffer);
    const bool done = write(out) && out.flush();
    if (buffer.error() != 0) return SystemFailure(buffer.error());
    if (!done) return WriteFailure{Kind::Incomplete, 0};
    return std::nullopt;
}

// A descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { Close(); }
    int get() const { return fd_; }
    void Reset(int fd) {
        Close();
        fd_ = fd;
    }
    // Closes it now: the error close reports (a write the disk refused late), or 0.
    int Close() {
        const int fd = std::exchange(fd_, -1);
        return fd >= 0 && ::close(fd) != 0 ? errno : 0;
    }

private:
    int fd_;
};

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

// While it lives, a signal that would end the process first removes the hidden
// file last armed. A signal the process ignores or handles itself is left alone.
class SignalCleanup {
public:
    SignalCleanup() : lock_(Mutex()) {
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
    SignalCleanup(const SignalCleanup&) = delete;
    SignalCleanup& operator=(const SignalCleanup&) = delete;
    ~SignalCleanup() {
        Disarm();
        for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
            if (pending.caught[i]) ::sigaction(kEndingSignals[i], &pending.previous[i], nullptr);
        }
    }
    void Arm(int folder, const std::string& name) {
        pending.armed.store(false);
        pending.folder = folder;
        const std::size_t length = std::min(name.size(), pending.name.size() - 1);
        std::memcpy(pending.name.data(), name.data(), length);
        pending.name[length] = '\0';
        pending.armed.store(true);
    }
    static void Disarm() { pending.armed.store(false); }

private:
    static std::mutex& Mutex() {
        static std::mutex m;
        return m;
    }
    std::lock_guard<std::mutex> lock_;
};

// The file a path names once its links are followed.
struct Target {
    std::string path;
    bool exists = false;
    struct stat info {};
};

std::filesystem::path FolderOf(const std::filesystem::path& path) {
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

// The kernel's rule for links in shared folders (fs.protected_symlinks), kept
// here whatever the system's setting: in a folder everyone may write that has
// the sticky bit, only a link of this user's or of the folder's owner is
// followed.
bool PlantedByAnother(const struct stat& link, const struct stat& folder) {
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return shared && link.st_uid != ::geteuid() && link.st_uid != folder.st_uid;
}

std::optional<WriteFailure> Resolve(const std::string& path, Target& target) {
    std::string current = path;
    for (int links = 0;; ++links) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0) {
            if (errno != ENOENT) return SystemFailure(errno);
            target = {current, false, {}};
            return std::nullopt;
        }
        if (!S_ISLNK(info.st_mode)) {
            target = {current, true, info};
            return std::nullopt;
        }
        if (links == kMostLinks) return SystemFailure(ELOOP);
        const std::filesystem::path folder = FolderOf(current);
        struct stat shared {};
        if (::stat(folder.c_str(), &shared) != 0) return SystemFailure(errno);
        if (PlantedByAnother(info, shared)) return WriteFailure{Kind::PlantedLink, 0};
        std::array<char, PATH_MAX> to{};
        const ssize_t n = ::readlink(current.c_str(), to.data(), to.size());
        if (n < 0) return SystemFailure(errno);
        if (static_cast<std::size_t>(n) == to.size()) return SystemFailure(ENAMETOOLONG);
        const std::filesystem::path next(std::string(to.data(), static_cast<std::size_t>(n)));
        current = (next.is_absolute() ? next : folder / next).string();
    }
}

// Hidden names beside the file: "." + its name + "." + process + "." + attempt +
// ".tmp", the file's name cut short so that the whole stays within the folder's
// limit on a name, whatever the process number.
class HiddenNames {
public:
    HiddenNames(int folder, const std::string& name) {
        constexpr long kLongestTail = 1 + 10 + 1 + 2 + 4;  // ".PID.NN.tmp"
        long limit = ::fpathconf(folder, _PC_NAME_MAX);
        if (limit <= kLongestTail + 2 || limit > NAME_MAX) limit = NAME_MAX;
        const std::size_t room = static_cast<std::size_t>(limit - kLongestTail - 1);
        stem_ = "." + name.substr(0, std::min(name.size(), room)) + ".";
    }
    std::string Name(int attempt) const {
        return stem_ + std::to_string(::getpid()) + "." + std::to_string(attempt) + ".tmp";
    }
    // The process whose hidden file `entry` is, or 0 when it is none of these.
    pid_t OwnerOf(std::string_view entry) const {
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

private:
    std::string stem_;
};

// Removes the hidden files of this user's that processes no longer running left
// beside the same file (killed with SIGKILL, or with the machine).
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

// The folder as a descriptor; one that may be written but not listed is still
// used, without the clean-up of stale files and the sync of its entries.
int OpenFolder(const std::filesystem::path& folder, bool& listable) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    listable = fd >= 0;
    if (fd >= 0 || errno != EACCES) return fd;
    return ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
}

// An unnamed file in `folder` that can be linked in through /proc, or -1.
int OpenUnnamed(int folder, int& error) {
    error = 0;
    const int fd = ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) {
        // No O_TMPFILE in this file system (or kernel): a named file will do.
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) error = errno;
        return -1;
    }
    struct stat link {};
    if (::lstat(("/proc/self/fd/" + std::to_string(fd)).c_str(), &link) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The owner, group and mode of the file being replaced, as far as this user may
// set them: root sets all three, a user the mode and a group of their own.
void KeepOwnerAndMode(int fd, const struct stat& old) {
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            [[maybe_unused]] const int group = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        }
    }
    [[maybe_unused]] const int mode = ::fchmod(fd, old.st_mode & 07777);
}

}  // namespace

std::optional<WriteFailure> ReplaceFile(const std::string& path,
                                        const std::function<bool(std::ostream&)>& write,
                                        Temporary temporary) {
    Target target;
    if (auto refused = Resolve(path, target)) return refused;
    if (target.exists) {
        if (S_ISDIR(target.info.st_mode)) return WriteFailure{Kind::Folder, EISDIR};
        if (!S_ISREG(target.info.st_mode)) return WriteFailure{Kind::NotRegularFile, 0};
        if (::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0) {
            const int code = errno;
            if (code == EACCES || code == EPERM) return WriteFailure{Kind::ReadOnly, code};
            return SystemFailure(code);
        }
    }
    const std::filesystem::path where(target.path);
    const std::string name = where.filename().string();
    if (name.empty()) return WriteFailure{Kind::Folder, EISDIR};
    bool listable = false;
    Descriptor folder(OpenFolder(FolderOf(where), listable));
    if (folder.get() < 0) return SystemFailure(errno);

    SignalCleanup cleanup;
    const HiddenNames hidden(folder.get(), name);
    if (listable) RemoveStale(folder.get(), hidden);
    std::string named;  // the hidden file's name while there is one
    const auto fail = [&](WriteFailure failure) {
        if (!named.empty()) ::unlinkat(folder.get(), named.c_str(), 0);
        SignalCleanup::Disarm();
        return failure;
    };
    // The hidden file `named` under the first free name, made by `make`.
    const auto makeHidden = [&](const auto& make) -> std::optional<WriteFailure> {
        for (int attempt = 0; attempt < kAttempts; ++attempt) {
            const std::string candidate = hidden.Name(attempt);
            cleanup.Arm(folder.get(), candidate);
            if (make(candidate)) {
                named = candidate;
                return std::nullopt;
            }
            SignalCleanup::Disarm();
            if (errno != EEXIST) return SystemFailure(errno);
        }
        return SystemFailure(EEXIST);
    };

    int error = 0;
    Descriptor file(temporary == Temporary::UnnamedWherePossible ? OpenUnnamed(folder.get(), error)
                                                                 : -1);
    if (error != 0) return SystemFailure(error);
    const bool unnamed = file.get() >= 0;
    if (!unnamed) {
        if (auto failure = makeHidden([&](const std::string& candidate) {
                const int fd = ::openat(folder.get(), candidate.c_str(),
                                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
                if (fd < 0) return false;
                file.Reset(fd);
                return true;
            })) {
            return fail(*failure);
        }
    }

    if (auto failure = WriteAll(file.get(), write)) return fail(*failure);
    if (target.exists) KeepOwnerAndMode(file.get(), target.info);
    if (::fsync(file.get()) != 0) return fail(SystemFailure(errno));

    bool placed = false;
    if (unnamed) {
        // Linked in under its name when there is no file yet, else under a hidden
        // name that then replaces the file.
        const std::string self = "/proc/self/fd/" + std::to_string(file.get());
        const auto link = [&](const std::string& as) {
            return ::linkat(AT_FDCWD, self.c_str(), folder.get(), as.c_str(), AT_SYMLINK_FOLLOW) ==
                   0;
        };
        if (!target.exists) {
            placed = link(name);
            if (!placed && errno != EEXIST) return fail(SystemFailure(errno));
        }
        if (!placed) {
            if (auto failure = makeHidden(link)) return fail(*failure);
        }
    }
    if (const int code = file.Close(); code != 0) return fail(SystemFailure(code));
    if (!placed && ::renameat(folder.get(), named.c_str(), folder.get(), name.c_str()) != 0) {
        return fail(SystemFailure(errno));
    }
    named.clear();
    SignalCleanup::Disarm();
    // The new entry reaches the disk with the folder.
    if (listable) ::fsync(folder.get());
    return std::nullopt;
}

}  // namespace velnora
