// SPDX-License-Identifier: GPL-3.0-or-later
// A file written so that it is never lost half-way: the new contents go to a
// temporary file beside it, reach the disk, and only then take its place.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

namespace velnora {

// Why a file was not written: a refusal of the writer's own, or the class of
// error the system gave. The programs say it in their own words.
enum class WriteFailureKind {
    Incomplete,          // the contents were not produced in full
    PlantedLink,         // a link another user left in a shared folder such as /tmp
    NotRegularFile,      // a FIFO, a device or a socket: only a file is replaced
    Folder,              // a folder (EISDIR)
    ReadOnly,            // a file this user may not write: its mode, or another user's
    PermissionDenied,    // EACCES, EPERM: mostly the folder
    ReadOnlyFileSystem,  // EROFS
    NoSpace,             // ENOSPC, EDQUOT
    NotFound,            // ENOENT, ENOTDIR: a folder of the path is not there
    NameTooLong,         // ENAMETOOLONG
    TooManyLinks,        // ELOOP
    TooLarge,            // EFBIG
    InputOutput,         // EIO
    Other,               // any other error of the system, in `code`
};

struct WriteFailure {
    WriteFailureKind kind = WriteFailureKind::Other;
    int code = 0;  // the system's errno, where it gave one
};

// How the new contents wait for their place. An unnamed file (O_TMPFILE, linked
// in at the end) leaves nothing behind when the process is killed; where the
// file system has none, a hidden file named after the target and the process is
// used. `Named` always uses the hidden file.
enum class Temporary { UnnamedWherePossible, Named };

// Calls `write` with a stream into a new file in the folder of `path`. When
// `write` returns true and every byte has been written and synced to the disk,
// the new file takes the place of `path`; otherwise it is removed and `path`
// stays as it was, and the failure is returned.
//
// A link at `path` is followed to the file it names, unless it lies in a folder
// everyone may write that has the sticky bit (/tmp) and belongs neither to this
// user nor to the folder's owner: such a link another user may have planted is
// refused. Only a regular file is replaced: anything else at the path (a FIFO, a
// device, a folder) is refused at once, without being opened. A file this user
// may not write is refused. A replaced file keeps its mode, and its owner and
// group as far as this user may set them (all of them as root).
//
// A hidden temporary file is removed on SIGINT, SIGTERM and SIGHUP before the
// signal takes its course, and one a killed process left beside the same target
// is removed by the next write.
std::optional<WriteFailure> ReplaceFile(const std::string& path,
                                        const std::function<bool(std::ostream&)>& write,
                                        Temporary temporary = Temporary::UnnamedWherePossible);

}  // namespace velnora
