// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/single_instance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

#include "shell/plain_file.h"
#include "ui/message_boxes.h"

namespace velnora {
namespace {

constexpr unsigned long kSettleMilliseconds = 50;

}  // namespace

struct InstanceLock::Candidate {
    explicit Candidate(const QString& p) : path(p), file(p) {
        // A copy may run for days: only a lock whose process is gone counts as
        // stale, never one that is merely old.
        file.setStaleLockTime(0);
    }

    LockState tryLock() {
        // Reading a FIFO would block; a folder or a device never holds a lock.
        if (!IsRegularFileOrAbsent(path)) return LockState::Unavailable;
        if (file.tryLock(0)) return LockState::Held;
        if (file.error() != QLockFile::LockFailedError) return LockState::Unavailable;
        // QLockFile has already taken over a lock whose process is gone, so a lock
        // it can read names a live copy.
        const auto readable = [this] {
            qint64 pid = 0;
            QString host, application;
            return file.getLockInfo(&pid, &host, &application);
        };
        if (readable()) return LockState::Running;
        // A copy starting at this very moment may not have written its lock yet.
        QThread::msleep(kSettleMilliseconds);
        if (file.tryLock(0)) return LockState::Held;
        if (readable()) return LockState::Running;
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
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QDir().mkpath(runtime))
        return runtime + QStringLiteral("/velnora.lock");
    return FallbackPath();
}

QString InstanceLock::FallbackPath() {
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation) +
           QStringLiteral("/velnora-") + QDir::home().dirName() + QStringLiteral(".lock");
}

InstanceLock::InstanceLock(const QString& path, const QString& fallbackPath)
    : primary_(std::make_unique<Candidate>(path)) {
    if (!fallbackPath.isEmpty() && fallbackPath != path)
        fallback_ = std::make_unique<Candidate>(fallbackPath);
}

InstanceLock::~InstanceLock() = default;

LockState InstanceLock::tryAcquire() {
    if (held_) return LockState::Held;
    LockState state = primary_->tryLock();
    if (state == LockState::Unavailable && fallback_) state = fallback_->tryLock();
    held_ = state == LockState::Held;
    return state;
}

bool CheckPreviousInstance(InstanceLock& lock, MessageBoxes& boxes) {
    switch (lock.tryAcquire()) {
        case LockState::Held:
            return true;
        case LockState::Running:
            ShowMessage(boxes, nullptr, MessageId::AlreadyRunning);
            break;
        case LockState::Unavailable:
            ShowMessage(boxes, nullptr, MessageId::CannotCheckRunning);
            break;
    }
    return false;
}

}  // namespace velnora
