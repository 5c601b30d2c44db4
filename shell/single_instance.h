// SPDX-License-Identifier: GPL-3.0-or-later
// CheckPreviousInstance: a running copy holds a per-user lock file for as long as
// it lives. A second copy that cannot take the lock says so and ends; a lock left
// behind by a copy that crashed names a process that no longer runs, and is taken
// over.
#pragma once

#include <QString>
#include <memory>

class QLockFile;
class QWidget;

namespace velnora {

class MessageBoxes;

class InstanceLock {
  public:
    // The lock file in the user's runtime folder, or a user-named file in the
    // temporary folder when there is no runtime folder.
    static QString DefaultPath();

    explicit InstanceLock(const QString& path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this process holds the lock (now or already); false when another
    // running copy holds it.
    bool tryAcquire();

  private:
    std::unique_ptr<QLockFile> file_;
    bool held_ = false;
};

// True when this is the only copy. Otherwise shows "Application is already
// running" with the information icon and returns false; the other copy is left
// alone.
bool CheckPreviousInstance(InstanceLock& lock, MessageBoxes& boxes);

}  // namespace velnora
