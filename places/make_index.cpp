// SPDX-License-Identifier: GPL-3.0-or-later
// velnora-gazetteer-index DUMP ADMIN1 ADMIN2 NAMES FORMS OUT: turns the GeoNames cities
// dump (its tab-separated format), the first- and second-level division names
// (JSON lists of {"code": "IN.16", "name": "Maharashtra"} and {"code":
// "GB.ENG.E4", "name": "Essex"}) and the names of first-level codes those lack
// (NAMES: "code<TAB>name" lines, "-" for none known) and more names of
// divisions (FORMS: "code<TAB>names" lines, see script_names.h) into the index file that
// the program maps (see index_format.h). Run by the build once per data version.
// It stops, naming them, when the dump uses a first-level code that has no name.
//
// index_sources.h reads the inputs, index_builder.h makes the records and keys
// of each row, index_bytes.h lays them out as the file, which is written whole
// or not at all.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <ostream>
#include <string>

#include "files/replace_file.h"
#include "places/index_builder.h"
#include "places/index_bytes.h"
#include "places/index_sources.h"

namespace {

using namespace velnora::places;

// Writes the index whole or not at all; false, said on stderr, when it cannot.
bool WriteIndex(const char* outPath, const std::string& bytes) {
    if (const auto failure = velnora::ReplaceFile(
            outPath, [&](std::ostream& out) { return static_cast<bool>(out << bytes); })) {
        std::fprintf(stderr, "cannot write %s: %s\n", outPath,
                     failure->code != 0 ? std::strerror(failure->code) : "not written in full");
        return false;
    }
    // The file's pages leave the page cache written in large blocks, which a
    // program mapping the index would then count as resident whole; dropped, they
    // come back one page at a time as searches read them.
    if (const int fd = open(outPath, O_RDONLY | O_CLOEXEC); fd >= 0) {
        posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        close(fd);
    }
    return true;
}

// Every row of the dump into `builder`; false, said on stderr, when the dump
// cannot be read, has no place or uses first-level codes without a name.
bool ReadDump(const char* dumpPath, const char* admin1Path, const char* namesPath,
              build::IndexBuilder& builder) {
    build::DumpReader dump(dumpPath);
    if (!dump.isOpen()) {
        std::fprintf(stderr, "cannot read %s\n", dumpPath);
        return false;
    }
    build::DumpRow row;
    while (!builder.full() && dump.Next(row)) {
        if (!builder.Add(row)) {
            std::fprintf(stderr, "more divisions than the index can number\n");
            return false;
        }
    }
    builder.Finish();
    if (builder.parts().places.empty()) {
        std::fprintf(stderr, "no places in %s\n", dumpPath);
        return false;
    }
    for (const auto& [code, count] : builder.unnamed()) {
        std::fprintf(stderr, "division code %s (%d places) has no name in %s or %s\n", code.c_str(),
                     count, admin1Path, namesPath);
    }
    return builder.unnamed().empty();
}

int Build(const char* dumpPath, const char* admin1Path, const char* admin2Path,
          const char* namesPath, const char* formsPath, const char* outPath) {
    build::DivisionNames divisionNames, division2Names;
    DivisionForms forms;
    if (!build::ReadDivisionNames(admin1Path, divisionNames) ||
        !build::ReadMissingNames(namesPath, divisionNames) ||
        !build::ReadDivisionNames(admin2Path, division2Names) ||
        !ReadDivisionForms(formsPath, forms))
        return 1;
    build::IndexBuilder builder(divisionNames, division2Names, forms);
    if (!ReadDump(dumpPath, admin1Path, namesPath, builder)) return 1;

    build::IndexParts& parts = builder.parts();
    const std::string out = build::IndexBytes(parts);
    if (!WriteIndex(outPath, out)) return 1;
    std::printf("gazetteer index: %zu places, %zu keys, %zu bytes\n", parts.places.size(),
                parts.keys.size(), out.size());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 7) {
        std::fprintf(stderr,
                     "usage: velnora-gazetteer-index DUMP ADMIN1_JSON ADMIN2_JSON NAMES "
                     "FORMS OUT\n");
        return 64;
    }
    try {
        return Build(argv[1], argv[2], argv[3], argv[4], argv[5], argv[6]);
    } catch (const std::exception& e) {  // a malformed number in the dump
        std::fprintf(stderr, "velnora-gazetteer-index: %s\n", e.what());
        return 1;
    }
}
