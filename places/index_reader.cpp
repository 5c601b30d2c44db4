// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the index: the file is mapped read-only and every table the header
// names is checked to lie inside the mapping before a search reads it.
#include <sys/mman.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstring>

#include "places/index_view.h"

namespace velnora::places {

Gazetteer::Gazetteer(std::unique_ptr<QFile> file, const uchar* data, qint64 size)
    : file_(std::move(file)) {
    const auto* h = reinterpret_cast<const index::Header*>(data);
    auto d = std::make_unique<Data>();
    d->places = {reinterpret_cast<const index::PlaceRecord*>(data + h->placesAt), h->placeCount};
    d->keys = {reinterpret_cast<const index::KeyRecord*>(data + h->keysAt), h->keyCount};
    d->divisions = {reinterpret_cast<const index::DivisionRecord*>(data + h->divisionsAt),
                    h->divisionCount};
    d->countries = {reinterpret_cast<const index::CountryRecord*>(data + h->countriesAt),
                    h->countryCount};
    d->zones = {reinterpret_cast<const uint32_t*>(data + h->zonesAt), h->zoneCount};
    d->directory = {reinterpret_cast<const index::DirectoryEntry*>(data + h->directoryAt),
                    h->directoryCount};
    d->strings = reinterpret_cast<const char*>(data + h->stringsAt);
    d->stringsSize = h->stringsSize;
    (void)size;
    d_ = std::move(d);
}

Gazetteer::~Gazetteer() = default;

std::unique_ptr<Gazetteer> Gazetteer::Open(const QString& path, QString* error) {
    const auto fail = [&](const QString& why) -> std::unique_ptr<Gazetteer> {
        if (error)
            *error = QStringLiteral("The list of places %1 %2.")
                         .arg(QDir::toNativeSeparators(path), why);
        return nullptr;
    };
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly)) return fail(QStringLiteral("cannot be read"));
    const qint64 size = file->size();
    if (size < static_cast<qint64>(sizeof(index::Header)))
        return fail(QStringLiteral("is damaged"));
    const uchar* data = file->map(0, size);
    if (!data) return fail(QStringLiteral("cannot be read"));
    // A search reads a few scattered pages; reading ahead around each, or mapping
    // the file's cached pages as huge pages, would only grow the resident memory.
    madvise(const_cast<uchar*>(data), static_cast<std::size_t>(size), MADV_RANDOM);
    madvise(const_cast<uchar*>(data), static_cast<std::size_t>(size), MADV_NOHUGEPAGE);
    index::Header h;
    std::memcpy(&h, data, sizeof h);
    const auto fits = [&](uint64_t at, uint64_t count, uint64_t each) {
        return at % 4 == 0 && at + count * each <= static_cast<uint64_t>(size);
    };
    const bool sound =
        std::equal(std::begin(index::kMagic), std::end(index::kMagic), h.magic) &&
        fits(h.placesAt, h.placeCount, sizeof(index::PlaceRecord)) &&
        fits(h.keysAt, h.keyCount, sizeof(index::KeyRecord)) &&
        fits(h.divisionsAt, h.divisionCount, sizeof(index::DivisionRecord)) &&
        fits(h.countriesAt, h.countryCount, sizeof(index::CountryRecord)) &&
        fits(h.zonesAt, h.zoneCount, sizeof(uint32_t)) &&
        fits(h.directoryAt, h.directoryCount, sizeof(index::DirectoryEntry)) &&
        h.directoryCount == (h.keyCount + index::kDirectoryStride - 1) / index::kDirectoryStride &&
        h.stringsSize > 0 && fits(h.stringsAt, h.stringsSize, 1) &&
        data[h.stringsAt + h.stringsSize - 1] == 0;
    if (!sound) return fail(QStringLiteral("is damaged"));
    return std::unique_ptr<Gazetteer>(new Gazetteer(std::move(file), data, size));
}

int Gazetteer::size() const { return static_cast<int>(d_->places.size()); }

}  // namespace velnora::places
