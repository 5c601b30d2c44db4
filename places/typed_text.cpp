// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/typed_text.h"

#include <QStringList>
#include <algorithm>

#include "places/fold.h"
#include "places/places.h"

namespace velnora::places {

namespace {

constexpr std::size_t kMostWords = 16;  // words of a search text that count

}  // namespace

bool IsFiller(std::string_view w) {
    // "and" in Hindi, Marathi and Gujarati too: "जम्मू और कश्मीर".
    return w == "of" || w == "the" || w == "and" || w == "और" || w == "आणि" || w == "અને";
}

bool IsArticle(std::string_view w) {
    static constexpr std::string_view kArticles[] = {"al",  "de", "del", "der", "des", "di",
                                                     "du",  "el", "la",  "las", "le",  "les",
                                                     "los", "da", "do",  "dos", "das", "den"};
    return std::find(std::begin(kArticles), std::end(kArticles), w) != std::end(kArticles);
}

bool IsGeneric(std::string_view w) {
    static constexpr std::string_view kGeneric[] = {
        "province",  "state",      "region",      "district",    "county",       "department",
        "territory", "prefecture", "governorate", "oblast",      "municipality", "city",
        "borough",   "parish",     "area",        "metropolitan"};
    return std::find(std::begin(kGeneric), std::end(kGeneric), w) != std::end(kGeneric);
}

Typed Parse(const QString& searchText) {
    Typed typed;
    const QStringList fields = StripCoordinateSuffix(searchText).split(u',');
    QList<QStringList> folded;
    for (const QString& field : fields) {
        QStringList words = Fold(field).split(u' ', Qt::SkipEmptyParts);
        if (!words.isEmpty()) folded.append(words);
    }
    typed.fields = folded.size() > 1;
    for (qsizetype f = 0; f < folded.size(); ++f) {
        const bool last = f == folded.size() - 1;
        for (qsizetype i = 0; i < folded[f].size(); ++i) {
            if (typed.words.size() == kMostWords) break;
            const bool lastWord = last && i == folded[f].size() - 1;
            const bool wholeField = folded[f].size() == 1;
            typed.words.push_back({folded[f][i].toStdString(),
                                   typed.fields ? last && f > 0 && wholeField : lastWord,
                                   static_cast<std::size_t>(f)});
        }
        if (f == 0) typed.cityWords = typed.words.size();
    }
    if (!typed.fields) typed.cityWords = typed.words.size();
    return typed;
}

std::vector<TypedWord> RegionWords(const Typed& typed, std::size_t from) {
    std::vector<TypedWord> rest;
    for (std::size_t i = from; i < typed.words.size(); ++i) {
        const std::string& w = typed.words[i].text;
        if (!IsFiller(w) && !IsGeneric(w) && (typed.words[i].mayBeCountryCode || !IsArticle(w)))
            rest.push_back(typed.words[i]);
    }
    return rest;
}

std::string Joined(const std::vector<TypedWord>& words, std::size_t count,
                   std::string_view between) {
    std::string r = words[0].text;
    for (std::size_t i = 1; i < count; ++i) r += std::string(between) + words[i].text;
    return r;
}

QStringList Texts(const std::vector<TypedWord>& words, uint32_t bits) {
    QStringList r;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (bits & (1u << i)) r << QString::fromStdString(words[i].text);
    }
    return r;
}

QString StripCoordinateSuffix(const QString& searchText) {
    static const QString kSuffix = QStringLiteral(" Latitude Longitude");
    if (searchText.endsWith(kSuffix, Qt::CaseInsensitive))
        return searchText.chopped(kSuffix.size());
    return searchText;
}

}  // namespace velnora::places
