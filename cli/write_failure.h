// SPDX-License-Identifier: GPL-3.0-or-later
// Why a file was not written, in velnora-cli's English.
#pragma once

#include <string>

#include "files/replace_file.h"

namespace velnora::cli {

// The system's errors in the C library's own words ("Permission denied"), the
// writer's refusals in a few of its own.
std::string WriteFailureText(const WriteFailure& failure);

}  // namespace velnora::cli
