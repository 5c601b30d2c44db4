// SPDX-License-Identifier: GPL-3.0-or-later
// CheckPreviousInstance: a running copy holds a per-user lock file for as long as
// it lives. A second copy that cannot take the lock says so and ends. The lock
// lives only where no other user can write: the user's runtime folder when it is
// the user's own, otherwise a private folder made for it under the user's cache
// (or config) folder. Only a live copy on this host keeps the lock: one whose
// process is gone, one naming another host once it is a few seconds old, and a
// file that is empty (a power loss), unreadable (left by a copy run as another
// user) or not a lock at all, is stale and taken over. Where the lock path cannot
// hold a lock (a folder or a FIFO there), the fallback path holds it instead.
#pragma once

#include <QString>
#include <memory>

#include "core/clock.h"

class QLockFile;
class QWidget;

namespace velnora {

class MessageBoxes;

enum class LockState {
    Held,        // this process holds the lock
    Running,     // another running copy holds it
    Unavailable  // neither path can hold a lock, so no copy can be told from another
};

class InstanceLock {
public:
    // "velnora.lock" in $XDG_RUNTIME_DIR when that folder belongs to this user
    // and no one else may enter it, otherwise in PrivateFolder(). Empty when
    // there is neither.
    static QString DefaultPath();
    // "velnora-fallback.lock" in PrivateFolder(); empty when there is none.
    static QString FallbackPath();
    // "velnora" under the user's cache folder, or else under the config folder:
    // made with mode 0700 when missing, and taken only when it is a folder (not a
    // link) that this user owns, may write in, and no one else may enter. Empty
    // when neither is.
    static QString PrivateFolder();

    // `fallbackPath` is tried when `path` cannot hold a lock; empty for none.
    explicit InstanceLock(const QString& path, const QString& fallbackPath = QString());
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Held when this process holds the lock, now or already. `clock` tells the
    // age of a lock left by another host.
    LockState tryAcquire(const Clock& clock);
    // The folder of the last path tried; the private folder wanted under the
    // cache folder when there was no path at all.
    QString folder() const;

private:
    struct Candidate;
    std::unique_ptr<Candidate> primary_, fallback_;
    bool held_ = false;
};

// True when this is the only copy. Otherwise shows "Application is already
// running" (or, when no lock can be had at all, that this cannot be checked, and in
// which folder) with the information icon and returns false; the other copy is
// left alone.
bool CheckPreviousInstance(InstanceLock& lock, const Clock& clock, MessageBoxes& boxes);

}  // namespace velnora
