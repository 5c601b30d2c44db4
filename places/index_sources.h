// SPDX-License-Identifier: GPL-3.0-or-later
// What velnora-gazetteer-index reads: the GeoNames cities dump, one row at a
// time, and the names of the divisions its codes refer to.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velnora::places::build {

// The fields of a dump row the index uses, viewing the reader's current line.
struct DumpRow {
    std::string_view name, asciiName;
    std::string_view alternateNames;  // ','-separated
    std::string_view latitude, longitude;
    std::string_view featureCode;  // "PPLA2"
    std::string_view country;      // "IN"
    std::string_view division;     // first level within the country: "16"
    std::string_view division2;    // second level within the first
    std::string_view population;   // may be empty
    std::string_view zone;         // IANA zone id
};

// Division code -> name: "IN.16" -> "Maharashtra".
using DivisionNames = QHash<QString, QString>;

// Adds the "code" -> "name" pairs of a JSON list of divisions; false, said on
// stderr, when the file cannot be read.
bool ReadDivisionNames(const char* path, DivisionNames& names);

// Calls `row` with the tab-separated columns of each line of a table file, less
// blank lines and lines starting with "#"; false, said on stderr, when the file
// cannot be read.
bool ReadTable(const char* path, const std::function<void(const QStringList&)>& row);

// Adds the "code<TAB>name" lines of `path` that `names` lacks; "-" is kept as
// the mark of a code known to have no name. False, said on stderr, when the
// file cannot be read.
bool ReadMissingNames(const char* path, DivisionNames& names);

class DumpReader {
public:
    explicit DumpReader(const char* path) : file_(path) {}
    bool isOpen() const { return static_cast<bool>(file_); }
    // The next row that has a name; false at the end of the dump. The row's
    // fields stay valid until the next call.
    bool Next(DumpRow& row);

private:
    std::ifstream file_;
    std::string line_;
    std::vector<std::string_view> fields_;
};

}  // namespace velnora::places::build
