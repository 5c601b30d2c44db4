// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/write_failure.h"

#include <cstring>

namespace velnora::cli {

std::string WriteFailureText(const WriteFailure& failure) {
    switch (failure.kind) {
        case WriteFailureKind::Incomplete:
            return "the contents could not be written in full";
        case WriteFailureKind::PlantedLink:
            return "a link another user made in a shared folder is not followed";
        case WriteFailureKind::NotRegularFile:
            return "not a regular file";
        case WriteFailureKind::Folder:
            return "Is a directory";
        case WriteFailureKind::ReadOnly:
            return "the file is read-only for this user";
        case WriteFailureKind::PermissionDenied:
            return "Permission denied";
        case WriteFailureKind::ReadOnlyFileSystem:
            return "Read-only file system";
        case WriteFailureKind::NoSpace:
            return "No space left on device";
        case WriteFailureKind::NotFound:
            return "No such file or directory";
        case WriteFailureKind::NameTooLong:
            return "File name too long";
        case WriteFailureKind::TooManyLinks:
            return "Too many levels of symbolic links";
        case WriteFailureKind::TooLarge:
            return "File too large";
        case WriteFailureKind::InputOutput:
            return "Input/output error";
        case WriteFailureKind::Other:
            break;
    }
    // velnora-cli keeps the C locale, in which the library's words are English.
    return failure.code != 0 ? std::strerror(failure.code) : "error";
}

}  // namespace velnora::cli
