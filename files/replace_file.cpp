// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <streambuf>

namespace velnora {
namespace {

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

std::string Reason(int error) { return std::strerror(error); }

// Runs `write` over `fd` and flushes; 0 or the error that stopped it (-1: `write`
// gave up without one).
int WriteAll(int fd, const std::function<bool(std::ostream&)>& write) {
    DescriptorBuffer buffer(fd);
    std::ostream out(&buffer);
    const bool done = write(out) && out.flush();
    if (buffer.error() != 0) return buffer.error();
    return done ? 0 : -1;
}

bool Fail(std::string& error, int code) {
    error = code > 0 ? Reason(code) : "the contents could not be written in full";
    return false;
}

// A device or FIFO that the user names takes the contents as a stream.
bool WriteInto(const std::string& path, const std::function<bool(std::ostream&)>& write,
               std::string& error) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return Fail(error, errno);
    int code = WriteAll(fd, write);
    if (::close(fd) != 0 && code == 0) code = errno;
    return code == 0 || Fail(error, code);
}

}  // namespace

bool ReplaceFile(const std::string& path, const std::function<bool(std::ostream&)>& write,
                 std::string& error) {
    namespace fs = std::filesystem;
    std::error_code ignored;
    fs::path target(path);
    if (fs::is_symlink(target, ignored)) target = fs::weakly_canonical(target, ignored);
    if (target.empty()) target = path;

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) return Fail(error, EISDIR);
    if (exists && !S_ISREG(existing.st_mode)) return WriteInto(target.string(), write, error);

    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string stem = (folder / ("." + target.filename().string())).string() + "." +
                             std::to_string(::getpid()) + ".";
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = stem + std::to_string(attempt) + ".tmp";
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return Fail(error, errno);
    }
    if (fd < 0) return Fail(error, EEXIST);

    int code = WriteAll(fd, write);
    if (code == 0 && exists && ::fchmod(fd, existing.st_mode & 07777) != 0) code = errno;
    if (code == 0 && ::fsync(fd) != 0) code = errno;
    if (::close(fd) != 0 && code == 0) code = errno;
    if (code == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) code = errno;
    if (code != 0) {
        ::unlink(temporary.c_str());
        return Fail(error, code);
    }
    // The rename itself reaches the disk with the folder.
    if (const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

}  // namespace velnora
