// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/single_instance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

#include "forms/seams.h"

namespace velnora {

QString InstanceLock::DefaultPath() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QDir().mkpath(runtime))
        return runtime + QStringLiteral("/velnora.lock");
    const QString user = QDir::home().dirName();
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation) +
           QStringLiteral("/velnora-") + user + QStringLiteral(".lock");
}

InstanceLock::InstanceLock(const QString& path) : file_(std::make_unique<QLockFile>(path)) {
    // A copy may run for days: only a lock whose process is gone counts as stale,
    // never one that is merely old.
    file_->setStaleLockTime(0);
}

InstanceLock::~InstanceLock() = default;

bool InstanceLock::tryAcquire() {
    if (!held_) held_ = file_->tryLock(0);
    return held_;
}

bool CheckPreviousInstance(InstanceLock& lock, MessageBoxes& boxes) {
    if (lock.tryAcquire()) return true;
    ShowMessage(boxes, nullptr, MessageId::AlreadyRunning);
    return false;
}

}  // namespace velnora
