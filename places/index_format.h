// SPDX-License-Identifier: GPL-3.0-or-later
// The gazetteer index file, written once by velnora-gazetteer-index at build time
// and mapped read-only by the program. All numbers are little-endian and every
// table is 4-byte aligned, so the program reads the records in place.
//
//   Header
//   PlaceRecord[placeCount]       in the dump's order
//   KeyRecord[keyCount]           sorted by the folded text they point at, then
//                                 by falling population
//   DivisionRecord[divisionCount]
//   CountryRecord[countryCount]
//   uint32 zone[zoneCount]        string offsets of IANA zone ids
//   DirectoryEntry[directoryCount]
//   strings                       NUL-terminated UTF-8; the whole-name keys come
//                                 first, in sorted order, so a scan over the keys
//                                 reads them front to back
#pragma once

#include <cstdint>

namespace velnora::places::index {

inline constexpr char kMagic[8] = {'V', 'L', 'N', 'G', 'A', 'Z', '0', '5'};

struct Header {
    char magic[8];
    uint32_t placeCount, keyCount, divisionCount, countryCount, zoneCount;
    uint32_t placesAt, keysAt, divisionsAt, countriesAt, zonesAt, stringsAt, stringsSize;
    uint32_t directoryCount, directoryAt;
};

// The first bytes of the text of every kDirectoryStride-th key, NUL-padded: a
// search finds its block of keys here, in a few pages, before it reads any key.
inline constexpr uint32_t kDirectoryStride = 64;
struct DirectoryEntry {
    char prefix[24];
};

inline constexpr uint16_t kNoDivision = 0xFFFF;

// How much a place's standing as a seat counts beside its population, from its
// GeoNames feature code: PPLC a capital, PPLA to PPLA4 the seat of a division of
// the first to the fourth level.
enum SeatRank : uint8_t { kNoSeat, kSeat4, kSeat3, kSeat2, kSeat1, kCapital };
// The population a seat counts as at least: GeoNames gives many seats none.
inline constexpr uint32_t kSeatPopulation[] = {0, 1000, 5000, 20000, 100000, 1000000};
inline uint32_t Standing(uint32_t population, uint8_t seat) {
    return seat <= kCapital && kSeatPopulation[seat] > population ? kSeatPopulation[seat]
                                                                  : population;
}

struct PlaceRecord {
    float latitude, longitude;  // degrees, north and east positive
    uint32_t population;
    uint32_t name;       // the place's own name, as GeoNames spells it
    uint16_t division;   // first level: DivisionRecord index or kNoDivision
    uint16_t division2;  // second level: DivisionRecord index or kNoDivision
    uint16_t country;    // CountryRecord index
    uint16_t zone;       // zone table index
    uint8_t seat;        // SeatRank
    uint8_t flags;       // kStandsForDivision, kNeighbourhood
    uint8_t reserved[2];
};
// The record is a second-level division that no place of the dump is named
// after ("Cariacica"), found by the division's name: it is a copy of the
// division's largest place.
inline constexpr uint8_t kStandsForDivision = 1;
// A part of a larger city (GeoNames feature code PPLX): its own name weighs no
// more than another place's other name.
inline constexpr uint8_t kNeighbourhood = 2;

// One folded name of a place (its own, its ASCII spelling or an alternate), or
// the tail of such a name from one of its later words on ("york" of "new york"),
// so that a run of whole words is found by one binary search.
struct KeyRecord {
    uint32_t key;  // string offset of the folded text from this word on
    // Low 24 bits: PlaceRecord index; the next 7: bytes the name starts before
    // `key`; the top bit: the name is the place's own (or its ASCII spelling,
    // its leading words or its name in a script other than Latin),
    // not an alternate one.
    uint32_t place;
};
inline constexpr uint32_t kPlaceBits = 24;
inline constexpr uint32_t kPlaceMask = (1u << kPlaceBits) - 1;
inline constexpr uint32_t kStartMask = 0x7F;
inline constexpr uint32_t kOwnName = 1u << 31;
inline constexpr int kLongestKey = 127;  // bytes; longer names are left out

// A division of the first level (a state, "Maharashtra") or of the second (a
// county or district, "Essex").
struct DivisionRecord {
    uint32_t name;   // "Maharashtra"
    uint32_t words;  // folded words of the name and the code, blank-separated: "new jersey nj"
};

struct CountryRecord {
    uint32_t name;   // "India", from the system's locale data
    uint32_t code;   // "IN"
    uint32_t words;  // folded words of its names, typed forms and code: "united states usa us"
    uint32_t forms;  // the same names whole, folded, '|'-separated: "united states|usa|us"
    // The folded names and letter codes of its first-level divisions,
    // '|'-separated: "maharashtra|mh|महाराष्ट्र|..."
    uint32_t divisions;
    uint32_t divisions2;  // the same of its second-level ones: "pune division|..."
};

}  // namespace velnora::places::index
