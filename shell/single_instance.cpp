// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/single_instance.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <cerrno>
#include <optional>

#include "shell/plain_file.h"
#include "ui/message_boxes.h"

namespace velnora {
namespace {

constexpr unsigned long kSettleMilliseconds = 50;
// A lock naming another host cannot be checked for a live process. After a host
// name change or with a shared home it is a leftover; once it is this old (a
// copy there writes it only at its start) it is taken over, unless its holder
// still has the file locked.
constexpr qint64 kForeignLockStaleSeconds = 10;

const QString kLockName = QStringLiteral("/velnora.lock");

// A folder that belongs to this user and that no other user may enter: only
// then is a name in it safe from being planted by someone else.
bool IsOwnedAndClosed(const struct stat& info) {
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

// Whether this user may make a file in the folder (one of theirs made read-only
// cannot hold a lock, and the next folder is tried).
bool MayWriteIn(const QByteArray& folder) {
    return ::faccessat(AT_FDCWD, folder.constData(), W_OK | X_OK, AT_EACCESS) == 0;
}

// The folder the lock would live in when none will do, named in the message.
QString WantedPrivateFolder() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return base.isEmpty() ? QString() : base + QStringLiteral("/velnora");
}

QString RuntimeFolder() {
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    struct stat info {};
    if (!folder.startsWith(QLatin1Char('/')) ||
        ::stat(QFile::encodeName(folder).constData(), &info) != 0 || !IsOwnedAndClosed(info) ||
        !MayWriteIn(QFile::encodeName(folder))) {
        return QString();
    }
    return folder;
}

// Makes `folder` (mode 0700) when it is missing; true when it is then a folder
// of this user's, not a link, closed to everyone else. One of this user's that
// others may enter is closed first.
bool MakePrivateFolder(const QString& folder) {
    const QByteArray name = QFile::encodeName(folder);
    if (!QDir().mkpath(QFileInfo(folder).path())) return false;
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST) return false;
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid();
    if (ok && (info.st_mode & 077) != 0) ok = ::fchmod(fd, 0700) == 0;
    ::close(fd);
    return ok && MayWriteIn(name);
}

}  // namespace

struct InstanceLock::Candidate {
    explicit Candidate(const QString& p) : path(p), file(p) {
        // A copy may run for days: only a lock whose process is gone counts as
        // stale, never one that is merely old.
        file.setStaleLockTime(0);
    }

    // The host named in the lock, when it is a lock that can be read.
    std::optional<QString> holderHost() const {
        qint64 pid = 0;
        QString host, application;
        if (!file.getLockInfo(&pid, &host, &application)) return std::nullopt;
        return host;
    }

    // A lock whose holder lives on another host, left long enough to be stale.
    bool foreignAndOld(const QString& host, const Clock& clock) const {
        if (host.isEmpty() || host == QSysInfo::machineHostName()) return false;
        const QDateTime written = QFileInfo(path).lastModified();
        const qint64 now = clock.now().time_since_epoch().count();
        return written.isValid() &&
               qAbs(now - written.toSecsSinceEpoch()) >= kForeignLockStaleSeconds;
    }

    LockState tryLock(const Clock& clock) {
        // Reading a FIFO would block; a folder or a device never holds a lock.
        if (path.isEmpty() || !IsRegularFileOrAbsent(path)) return LockState::Unavailable;
        if (file.tryLock(0)) return LockState::Held;
        if (file.error() != QLockFile::LockFailedError) return LockState::Unavailable;
        // QLockFile has already taken over a lock of this host whose process is
        // gone, so a lock it can read names a live copy here, or another host.
        const auto heldBy = [this, &clock]() -> std::optional<LockState> {
            const auto host = holderHost();
            if (!host) return std::nullopt;
            if (!foreignAndOld(*host, clock)) return LockState::Running;
            // A live holder keeps the file's native lock, which this honours.
            if (!file.removeStaleLockFile()) return LockState::Running;
            return file.tryLock(0) ? LockState::Held : LockState::Running;
        };
        if (const auto state = heldBy()) return *state;
        // A copy starting at this very moment may not have written its lock yet.
        QThread::msleep(kSettleMilliseconds);
        if (file.tryLock(0)) return LockState::Held;
        if (const auto state = heldBy()) return *state;
        // Empty, unreadable or not a lock. A live copy holds the file's native
        // lock from the moment it has it open, and removeStaleLockFile honours it.
        if (!file.removeStaleLockFile()) {
            const QFileInfo info(path);
            const bool there = info.exists() || info.isSymLink();
            if (there && info.isWritable()) return LockState::Running;
            if (there && !QFile::remove(path)) return LockState::Unavailable;
        }
        return file.tryLock(0) ? LockState::Held : LockState::Running;
    }

    QString path;
    QLockFile file;
};

QString InstanceLock::DefaultPath() {
    const QString runtime = RuntimeFolder();
    if (!runtime.isEmpty()) return runtime + kLockName;
    const QString folder = PrivateFolder();
    return folder.isEmpty() ? QString() : folder + kLockName;
}

QString InstanceLock::FallbackPath() {
    const QString folder = PrivateFolder();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/velnora-fallback.lock");
}

QString InstanceLock::PrivateFolder() {
    for (const auto location :
         {QStandardPaths::GenericCacheLocation, QStandardPaths::GenericConfigLocation}) {
        const QString base = QStandardPaths::writableLocation(location);
        if (base.isEmpty()) continue;
        QString folder = base + QStringLiteral("/velnora");
        if (MakePrivateFolder(folder)) return folder;
    }
    return QString();
}

InstanceLock::InstanceLock(const QString& path, const QString& fallbackPath)
    : primary_(std::make_unique<Candidate>(path)) {
    if (!fallbackPath.isEmpty() && fallbackPath != path)
        fallback_ = std::make_unique<Candidate>(fallbackPath);
}

InstanceLock::~InstanceLock() = default;

QString InstanceLock::folder() const {
    const Candidate& last = fallback_ ? *fallback_ : *primary_;
    return last.path.isEmpty() ? WantedPrivateFolder() : QFileInfo(last.path).path();
}

LockState InstanceLock::tryAcquire(const Clock& clock) {
    if (held_) return LockState::Held;
    LockState state = primary_->tryLock(clock);
    if (state == LockState::Unavailable && fallback_) state = fallback_->tryLock(clock);
    held_ = state == LockState::Held;
    return state;
}

bool CheckPreviousInstance(InstanceLock& lock, const Clock& clock, MessageBoxes& boxes) {
    switch (lock.tryAcquire(clock)) {
        case LockState::Held:
            return true;
        case LockState::Running:
            ShowMessage(boxes, nullptr, MessageId::AlreadyRunning);
            break;
        case LockState::Unavailable:
            ShowMessage(boxes, nullptr, MessageId::CannotCheckRunning,
                        QDir::toNativeSeparators(lock.folder()));
            break;
    }
    return false;
}

}  // namespace velnora
