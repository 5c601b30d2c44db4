// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/place_index.h"

#include <QSet>
#include <algorithm>

namespace velnora::places {

namespace {

// Letters that Unicode decomposition leaves whole.
QString Spelled(QChar c) {
    switch (c.unicode()) {
        case 0x00DF: return QStringLiteral("ss");  // ß
        case 0x00E6: return QStringLiteral("ae");  // æ
        case 0x0153: return QStringLiteral("oe");  // œ
        case 0x00F8: return QStringLiteral("o");   // ø
        case 0x0111:                               // đ
        case 0x00F0: return QStringLiteral("d");   // ð
        case 0x0142: return QStringLiteral("l");   // ł
        case 0x0131: return QStringLiteral("i");   // dotless i
        case 0x00FE: return QStringLiteral("th");  // þ
        default: return {};
    }
}

// Words too common in place names to tell two places apart.
bool IsFiller(const QString& word) {
    return word == u"of" || word == u"the" || word == u"and";
}

QString Initials(const QString& foldedName) {
    QString r;
    for (const QString& w : foldedName.split(u' ', Qt::SkipEmptyParts)) {
        if (!IsFiller(w)) r += w.front();
    }
    return r;
}

enum NameMatch { kNone, kWordStart, kInnerWords, kLeadingWords, kWholeName };

// How the folded city name `name` holds the folded run of words `run`.
NameMatch MatchName(const QString& name, const QString& run) {
    if (name == run) return kWholeName;
    if (name.size() <= run.size()) return kNone;
    if (name.startsWith(run)) return name[run.size()] == u' ' ? kLeadingWords : kWordStart;
    NameMatch best = kNone;
    const QString spaced = u' ' + run;
    for (qsizetype at = name.indexOf(spaced); at >= 0; at = name.indexOf(spaced, at + 1)) {
        const qsizetype end = at + spaced.size();
        if (end == name.size() || name[end] == u' ') return kInnerWords;
        best = kWordStart;
    }
    return best;
}

}  // namespace

QString Fold(const QString& text) {
    const bool ascii = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
    const QString decomposed = ascii ? text : text.normalized(QString::NormalizationForm_KD);
    QString flat;
    flat.reserve(decomposed.size());
    for (QChar c : decomposed) {
        const QChar::Category cat = c.category();
        if (cat == QChar::Mark_NonSpacing || cat == QChar::Mark_SpacingCombining ||
            cat == QChar::Mark_Enclosing) {
            continue;
        }
        const QChar lower = c.toLower();
        if (const QString s = Spelled(lower); !s.isEmpty()) {
            flat += s;
        } else if (lower.isLetterOrNumber()) {
            flat += lower;
        } else if (lower != u'\'' && lower != u'\u2019') {  // "d'Azur" stays one word
            flat += u' ';
        }
    }
    QStringList words = flat.split(u' ', Qt::SkipEmptyParts);
    for (QString& w : words) {
        if (w == u"st") w = QStringLiteral("saint");
    }
    return words.join(u' ');
}

QString StripCoordinateSuffix(const QString& searchText) {
    static const QString kSuffix = QStringLiteral(" Latitude Longitude");
    if (searchText.endsWith(kSuffix, Qt::CaseInsensitive)) return searchText.chopped(kSuffix.size());
    return searchText;
}

PlaceIndex::PlaceIndex(QList<Place> places) {
    entries_.reserve(places.size());
    for (Place& p : places) {
        Entry e;
        e.name = Fold(p.city);
        const QString country = Fold(p.country);
        e.regionWords = (Fold(p.state) + u' ' + country).split(u' ', Qt::SkipEmptyParts);
        e.countryCode = p.countryCode.toLower();
        e.countryInitials = Initials(country);
        e.place = std::move(p);
        entries_.append(std::move(e));
    }
}

int PlaceIndex::RegionScore(const Entry& e, const QStringList& words) const {
    int score = 0;
    for (const QString& w : words) {
        if (e.regionWords.contains(w) || w == e.countryCode ||
            (w.size() > 2 && w == e.countryInitials)) {
            ++score;
        }
    }
    return score;
}

QList<Place> PlaceIndex::Find(const QString& searchText, int max) const {
    const QStringList words = Fold(StripCoordinateSuffix(searchText)).split(u' ', Qt::SkipEmptyParts);

    struct Candidate {
        const Entry* entry;
        NameMatch name;
        int region;
    };
    QList<Candidate> found;
    qsizetype runLength = words.size();
    for (; runLength > 0 && found.isEmpty(); --runLength) {
        const QString run = words.first(runLength).join(u' ');
        for (const Entry& e : entries_) {
            if (const NameMatch m = MatchName(e.name, run); m != kNone) found.append({&e, m, 0});
        }
    }
    if (found.isEmpty() || max <= 0) return {};
    ++runLength;  // the loop stepped past the run that matched

    QStringList rest;
    QSet<QString> seen;
    for (const QString& w : words.sliced(runLength)) {
        if (!IsFiller(w) && !seen.contains(w)) {
            seen.insert(w);
            rest.append(w);
        }
    }
    for (Candidate& c : found) c.region = RegionScore(*c.entry, rest);

    const auto better = [](const Candidate& a, const Candidate& b) {
        if (a.region != b.region) return a.region > b.region;
        if (a.name != b.name) return a.name > b.name;
        if (a.entry->place.population != b.entry->place.population) {
            return a.entry->place.population > b.entry->place.population;
        }
        return a.entry < b.entry;
    };
    const qsizetype keep = std::min<qsizetype>(max, found.size());
    std::partial_sort(found.begin(), found.begin() + keep, found.end(), better);

    QList<Place> result;
    result.reserve(keep);
    for (qsizetype i = 0; i < keep; ++i) result.append(found[i].entry->place);
    return result;
}

}  // namespace velnora::places
