// SPDX-License-Identifier: GPL-3.0-or-later
// The search behind FindPlaces over any list of places, so that it can be tried
// on a small table as well as on the whole gazetteer. Names are compared in a
// folded form: lower case, accents and punctuation dropped, "st" read as "saint".
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "places/places.h"

namespace velnora::places {

// "São Paulo" -> "sao paulo", "St. Louis" -> "saint louis", "Winston-Salem" ->
// "winston salem": words of letters and digits joined by single blanks.
QString Fold(const QString& text);

class PlaceIndex {
public:
    explicit PlaceIndex(QList<Place> places);

    QList<Place> Find(const QString& searchText, int max) const;
    int size() const { return static_cast<int>(entries_.size()); }

private:
    struct Entry {
        Place place;
        QString name;               // folded city name
        QStringList regionWords;    // folded words of state and country
        QString countryCode;        // lower case
        QString countryInitials;    // "usa" for United States of America
    };
    int RegionScore(const Entry& e, const QStringList& words) const;

    QList<Entry> entries_;
};

}  // namespace velnora::places
