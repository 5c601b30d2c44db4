// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/index_bytes.h"

#include <algorithm>
#include <string_view>

namespace velnora::places::build {

namespace {

template <class T>
void Put(std::string& out, const T& value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// The string table: the whole names first and sorted, so that their scan reads
// the table in order, then the pool, whose offsets in `parts` are moved behind
// them. `nameAt` gets where each whole name starts.
std::string LayOutStrings(IndexParts& parts, std::vector<uint32_t>& nameAt) {
    const std::vector<std::string>& names = parts.names;
    std::string table;
    std::vector<uint32_t> order(names.size());
    for (uint32_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](uint32_t a, uint32_t b) { return names[a] < names[b]; });
    nameAt.assign(names.size(), 0);
    for (uint32_t i : order) {
        nameAt[i] = static_cast<uint32_t>(table.size());
        table += names[i];
        table += '\0';
    }
    const uint32_t rest = static_cast<uint32_t>(table.size());
    for (std::size_t i = 0; i < parts.places.size(); ++i) {
        parts.places[i].name = rest + parts.strings.String(parts.placeNames[i].toStdString());
    }
    for (auto& d : parts.divisions) d = {rest + d.name, rest + d.words};
    for (auto& c : parts.countries) {
        c = {rest + c.name,  rest + c.code,      rest + c.words,
             rest + c.forms, rest + c.divisions, rest + c.divisions2};
    }
    for (auto& z : parts.zones) z += rest;
    table += parts.strings.text();
    return table;
}

std::string_view KeyText(const IndexParts& parts, const Key& k) {
    return std::string_view(parts.names[k.name]).substr(k.start);
}

// By text, then by falling standing.
void SortKeys(IndexParts& parts) {
    const auto standing = [&](const Key& k) {
        return index::Standing(parts.places[k.place].population, parts.places[k.place].seat);
    };
    std::sort(parts.keys.begin(), parts.keys.end(), [&](const Key& a, const Key& b) {
        if (const int c = KeyText(parts, a).compare(KeyText(parts, b)); c != 0) return c < 0;
        return standing(a) > standing(b);
    });
}

index::Header MakeHeader(const IndexParts& parts, std::size_t tableSize) {
    index::Header h{};
    std::copy(std::begin(index::kMagic), std::end(index::kMagic), h.magic);
    h.placeCount = static_cast<uint32_t>(parts.places.size());
    h.keyCount = static_cast<uint32_t>(parts.keys.size());
    h.divisionCount = static_cast<uint32_t>(parts.divisions.size());
    h.countryCount = static_cast<uint32_t>(parts.countries.size());
    h.zoneCount = static_cast<uint32_t>(parts.zones.size());
    h.placesAt = sizeof h;
    h.keysAt = h.placesAt + h.placeCount * sizeof(index::PlaceRecord);
    h.divisionsAt = h.keysAt + h.keyCount * sizeof(index::KeyRecord);
    h.countriesAt = h.divisionsAt + h.divisionCount * sizeof(index::DivisionRecord);
    h.zonesAt = h.countriesAt + h.countryCount * sizeof(index::CountryRecord);
    h.directoryCount = (h.keyCount + index::kDirectoryStride - 1) / index::kDirectoryStride;
    h.directoryAt = h.zonesAt + h.zoneCount * sizeof(uint32_t);
    h.stringsAt = h.directoryAt + h.directoryCount * sizeof(index::DirectoryEntry);
    h.stringsSize = static_cast<uint32_t>(tableSize);
    return h;
}

}  // namespace

std::string IndexBytes(IndexParts& parts) {
    std::vector<uint32_t> nameAt;
    const std::string table = LayOutStrings(parts, nameAt);
    SortKeys(parts);
    const index::Header h = MakeHeader(parts, table.size());

    std::string out;
    out.reserve(h.stringsAt + table.size());
    Put(out, h);
    for (const auto& p : parts.places) Put(out, p);
    for (const Key& k : parts.keys) {
        const uint32_t start = static_cast<uint32_t>(k.start) << index::kPlaceBits;
        Put(out, index::KeyRecord{nameAt[k.name] + k.start,
                                  k.place | start | (k.own ? index::kOwnName : 0)});
    }
    for (const auto& d : parts.divisions) Put(out, d);
    for (const auto& c : parts.countries) Put(out, c);
    for (uint32_t z : parts.zones) Put(out, z);
    for (std::size_t i = 0; i < parts.keys.size(); i += index::kDirectoryStride) {
        index::DirectoryEntry e{};
        const std::string_view t = KeyText(parts, parts.keys[i]);
        std::copy_n(t.begin(), std::min(t.size(), sizeof e.prefix), e.prefix);
        Put(out, e);
    }
    out += table;
    return out;
}

}  // namespace velnora::places::build
