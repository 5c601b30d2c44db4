// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/plain_file.h"

#include <QFile>
#include <filesystem>
#include <system_error>

namespace velnora {

bool IsRegularFileOrAbsent(const QString& path) {
    std::error_code error;
    const auto type = std::filesystem::status(QFile::encodeName(path).toStdString(), error).type();
    return type == std::filesystem::file_type::regular ||
           type == std::filesystem::file_type::not_found;
}

}  // namespace velnora
