// SPDX-License-Identifier: GPL-3.0-or-later
// The gazetteer's index reader over arbitrary files: up to three search texts,
// then the bytes of an index. Opening either refuses with one of its two reasons
// or gives an index on which every search answers within its bounds.
#include <fuzzer/FuzzedDataProvider.h>

#include <QString>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "places/places.h"

namespace {

using namespace velnora::places;

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    std::vector<QString> texts;
    const int searches = in.ConsumeIntegralInRange(1, 3);
    for (int i = 0; i < searches; ++i) {
        texts.push_back(QString::fromStdString(in.ConsumeRandomLengthString(60)));
    }
    const std::vector<std::uint8_t> rest = in.ConsumeRemainingBytes<std::uint8_t>();
    // Aligned as a mapping would be.
    std::vector<std::uint32_t> bytes((rest.size() + 3) / 4);
    if (!rest.empty()) std::memcpy(bytes.data(), rest.data(), rest.size());

    velnora::places::IndexProblem why;
    const auto g = Gazetteer::FromBytes(QByteArrayView(reinterpret_cast<const char*>(bytes.data()),
                                                       static_cast<qsizetype>(rest.size())),
                                        &why);
    if (!g) {
        Check(why.kind == velnora::places::IndexProblem::Kind::Damaged);
        return 0;
    }
    for (const QString& text : texts) {
        const SearchResult found = g->Search(text, 5);
        Check(found.places.size() <= 5);
        Check(found.equallyGood <= found.places.size());
        Check(found.outcome != SearchOutcome::NoMatch || found.places.isEmpty());
        for (const Place& p : found.places)
            Check(p.timeZoneId.isEmpty() || IsKnownZoneId(p.timeZoneId));
    }
    return 0;
}
