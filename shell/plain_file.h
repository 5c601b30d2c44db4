// SPDX-License-Identifier: GPL-3.0-or-later
// The shell keeps two files of its own, the instance lock and the settings. It
// opens either only where its path names a regular file or nothing yet: a FIFO
// there would block the start for good, and a folder or a device is no place to
// write to.
#pragma once

#include <QString>

namespace velnora {

// True when `path` (its link followed) is a regular file or does not exist.
bool IsRegularFileOrAbsent(const QString& path);

}  // namespace velnora
