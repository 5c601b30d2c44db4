// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <filesystem>
#include <ostream>
#include <streambuf>
#include <utility>

#include "files/hidden_temporary.h"

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
