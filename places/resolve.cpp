// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/resolve.h"

#include "places/zone_clock.h"

namespace velnora::places {

namespace {

constexpr qsizetype kMostOthers = 5;

Resolution ResolutionOf(SearchOutcome outcome) {
    switch (outcome) {
        case SearchOutcome::Found:
            return Resolution::Found;
        case SearchOutcome::Ambiguous:
            return Resolution::Ambiguous;
        case SearchOutcome::Contradicted:
            return Resolution::Contradicted;
        case SearchOutcome::Partial:
            return Resolution::Partial;
        case SearchOutcome::NotItsName:
            return Resolution::NotItsName;
        case SearchOutcome::NearMiss:
            return Resolution::NearMiss;
        case SearchOutcome::NoMatch:
            break;
    }
    return Resolution::NoMatch;
}

std::vector<std::string> Utf8(const QStringList& texts) {
    std::vector<std::string> r;
    for (const QString& t : texts) r.push_back(t.toStdString());
    return r;
}

}  // namespace

PlaceResolution ResolvePlace(std::string_view placeText, const Date& date, const ClockTime& time) {
    PlaceResolution r;
    const Gazetteer* gazetteer = DefaultGazetteer(&r.problem);
    if (!gazetteer) {
        r.outcome = Resolution::NoGazetteer;
        return r;
    }
    const SearchResult found = gazetteer->Search(
        QString::fromUtf8(placeText.data(), static_cast<qsizetype>(placeText.size())),
        kMostOthers + 1);
    if (!gazetteer->Intact(&r.problem)) {  // rewritten under the search
        r.outcome = Resolution::NoGazetteer;
        return r;
    }
    r.outcome = ResolutionOf(found.outcome);
    if (r.outcome == Resolution::NoMatch) return r;
    r.name = found.name.toStdString();
    r.against = Utf8(found.against);
    r.passedOver = Utf8(found.passedOver);
    r.namedBy = found.namedBy;
    qsizetype from = 0;
    if (r.outcome == Resolution::Found || r.outcome == Resolution::Ambiguous) {
        r.taken = found.places.front();
        const Date day = IsValidDate(date) ? date : Date{date.year, date.month, 1};
        r.zone = ZoneClock(r.taken->timeZoneId.toStdString()).OffsetAt(day, time);
        from = 1;
    }
    const qsizetype until =
        r.outcome == Resolution::Ambiguous ? found.equallyGood : found.places.size();
    for (qsizetype i = from; i < until && i < from + kMostOthers; ++i) {
        r.others.push_back(found.places[i]);
    }
    return r;
}

}  // namespace velnora::places
