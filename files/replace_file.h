// SPDX-License-Identifier: GPL-3.0-or-later
// A file written so that it is never lost half-way: the new contents go to a
// temporary file beside it, reach the disk, and only then take its place.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>

namespace velnora {

// Calls `write` with a stream into a new file in the folder of `path` (a link is
// followed to the file it names). When `write` returns true and every byte has
// been written and synced to the disk, the new file is renamed over `path`,
// keeping the permissions an existing file had. Otherwise the new file is
// removed and `path` stays as it was; false, with the reason in `error`.
// A device or FIFO at `path` is written to directly, as a stream.
bool ReplaceFile(const std::string& path, const std::function<bool(std::ostream&)>& write,
                 std::string& error);

}  // namespace velnora
