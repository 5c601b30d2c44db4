// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the index: only a regular file is read, it is mapped read-only, and
// every table the header names is checked, in 64-bit arithmetic, to lie inside
// the mapping before a search reads it. Before each search the file is looked at
// again; one replaced or rewritten is mapped anew, so a search never reads pages
// of a file that has shrunk under it.
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cstring>

#include "places/index_view.h"

namespace velnora::places {

// What tells one version of the file from another.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    friend bool operator==(const FileIdentity& a, const FileIdentity& b) {
        return a.device == b.device && a.inode == b.inode && a.size == b.size &&
               a.modified.tv_sec == b.modified.tv_sec && a.modified.tv_nsec == b.modified.tv_nsec;
    }
};

struct Gazetteer::Mapping {
    QString path;  // empty for an index in memory
    FileIdentity identity;
    void* data = nullptr;
    std::size_t size = 0;

    Mapping() = default;
    Mapping(const Mapping&) = delete;
    Mapping& operator=(const Mapping&) = delete;
    ~Mapping() {
        if (data) munmap(data, size);
    }
};

namespace {

FileIdentity IdentityOf(const struct stat& st) {
    return {st.st_dev, st.st_ino, st.st_size, st.st_mtim};
}

using Kind = IndexProblem::Kind;

void Report(IndexProblem* problem, Kind kind, const QString& path) {
    if (problem) *problem = {kind, path, {}};
}

// The tables of the index at `data`, or null when any of them lies outside its
// `size` bytes or the header does not describe an index.
std::unique_ptr<const Gazetteer::Data> Check(const uchar* data, uint64_t size) {
    // The records are read in place, so the tables must be aligned in memory too.
    if (size < sizeof(index::Header) || reinterpret_cast<uintptr_t>(data) % 4 != 0) return nullptr;
    index::Header h;
    std::memcpy(&h, data, sizeof h);
    // Every offset in the file is 32-bit, so no table can end past 4 GiB; each
    // end is summed in 64 bits so that a large count cannot wrap it into range.
    const uint64_t limit = std::min<uint64_t>(size, uint64_t{1} << 32);
    const auto fits = [&](uint64_t at, uint64_t count, uint64_t each) {
        return at % 4 == 0 && at >= sizeof(index::Header) && at <= limit &&
               count <= (limit - at) / each;
    };
    const bool sound = std::equal(std::begin(index::kMagic), std::end(index::kMagic), h.magic) &&
                       fits(h.placesAt, h.placeCount, sizeof(index::PlaceRecord)) &&
                       fits(h.keysAt, h.keyCount, sizeof(index::KeyRecord)) &&
                       fits(h.divisionsAt, h.divisionCount, sizeof(index::DivisionRecord)) &&
                       fits(h.countriesAt, h.countryCount, sizeof(index::CountryRecord)) &&
                       fits(h.zonesAt, h.zoneCount, sizeof(uint32_t)) &&
                       fits(h.directoryAt, h.directoryCount, sizeof(index::DirectoryEntry)) &&
                       h.directoryCount == (uint64_t{h.keyCount} + index::kDirectoryStride - 1) /
                                               index::kDirectoryStride &&
                       h.stringsSize > 0 && fits(h.stringsAt, h.stringsSize, 1) &&
                       data[uint64_t{h.stringsAt} + h.stringsSize - 1] == 0;
    if (!sound) return nullptr;
    auto d = std::make_unique<Gazetteer::Data>();
    d->places = {reinterpret_cast<const index::PlaceRecord*>(data + h.placesAt), h.placeCount};
    d->keys = {reinterpret_cast<const index::KeyRecord*>(data + h.keysAt), h.keyCount};
    d->divisions = {reinterpret_cast<const index::DivisionRecord*>(data + h.divisionsAt),
                    h.divisionCount};
    d->countries = {reinterpret_cast<const index::CountryRecord*>(data + h.countriesAt),
                    h.countryCount};
    d->zones = {reinterpret_cast<const uint32_t*>(data + h.zonesAt), h.zoneCount};
    d->directory = {reinterpret_cast<const index::DirectoryEntry*>(data + h.directoryAt),
                    h.directoryCount};
    d->strings = reinterpret_cast<const char*>(data + h.stringsAt);
    d->stringsSize = h.stringsSize;
    // A zone id is later handed to the system's zone data, which reads a file of
    // that name: "../" in one would reach any path.
    for (const uint32_t zone : d->zones) {
        if (zone >= d->stringsSize || !IsWellFormedZoneId(d->Str(zone))) return nullptr;
    }
    return d;
}

// Maps the regular file at `path`; null, with the reason, otherwise.
std::unique_ptr<Gazetteer::Mapping> Map(const QString& path, IndexProblem* problem) {
    const auto fail = [&](Kind kind) -> std::unique_ptr<Gazetteer::Mapping> {
        Report(problem, kind, path);
        return nullptr;
    };
    // Non-blocking, so that a FIFO or a device at the path cannot hold the open.
    const int fd = open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return fail(Kind::Unreadable);
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return fail(Kind::Unreadable);
    }
    auto m = std::make_unique<Gazetteer::Mapping>();
    m->path = path;
    m->identity = IdentityOf(st);
    m->size = static_cast<std::size_t>(st.st_size);
    if (m->size < sizeof(index::Header)) {
        close(fd);
        return fail(Kind::Damaged);
    }
    void* data = mmap(nullptr, m->size, PROT_READ, MAP_SHARED, fd, 0);
    close(fd);
    if (data == MAP_FAILED) return fail(Kind::Unreadable);
    m->data = data;
    // A search reads a few scattered pages; reading ahead around each, or mapping
    // the file's cached pages as huge pages, would only grow the resident memory.
    madvise(data, m->size, MADV_RANDOM);
    madvise(data, m->size, MADV_NOHUGEPAGE);
    return m;
}

}  // namespace

Gazetteer::Gazetteer() = default;
Gazetteer::~Gazetteer() = default;

std::unique_ptr<Gazetteer> Gazetteer::Open(const QString& path, IndexProblem* problem) {
    std::unique_ptr<Mapping> m = Map(path, problem);
    if (!m) return nullptr;
    std::unique_ptr<const Data> d = Check(static_cast<const uchar*>(m->data), m->size);
    if (!d) {
        Report(problem, Kind::Damaged, path);
        return nullptr;
    }
    std::unique_ptr<Gazetteer> g(new Gazetteer);
    g->mapping_ = std::move(m);
    g->d_ = std::move(d);
    return g;
}

std::unique_ptr<Gazetteer> Gazetteer::FromBytes(QByteArrayView bytes, IndexProblem* problem) {
    std::unique_ptr<const Data> d =
        Check(reinterpret_cast<const uchar*>(bytes.data()), static_cast<uint64_t>(bytes.size()));
    if (!d) {
        Report(problem, Kind::Damaged, QString());
        return nullptr;
    }
    std::unique_ptr<Gazetteer> g(new Gazetteer);
    g->d_ = std::move(d);
    return g;
}

bool Gazetteer::Refresh(IndexProblem* problem) const {
    if (!mapping_) return static_cast<bool>(d_);  // in memory, or lost for good
    const QString path = mapping_->path;
    struct stat st {};
    if (stat(QFile::encodeName(path).constData(), &st) == 0 &&
        IdentityOf(st) == mapping_->identity && d_) {
        return true;
    }
    // Replaced (another inode) or rewritten in place: the old mapping may now
    // reach past the end of the file, so it is dropped before anything else.
    d_.reset();
    mapping_ = std::make_unique<Mapping>();
    mapping_->path = path;
    IndexProblem why;
    std::unique_ptr<Gazetteer> again = Open(path, &why);
    if (!again) {
        if (problem) *problem = why;
        return false;
    }
    mapping_ = std::move(again->mapping_);
    d_ = std::move(again->d_);
    return true;
}

int Gazetteer::size() const { return d_ ? static_cast<int>(d_->places.size()) : 0; }

}  // namespace velnora::places
