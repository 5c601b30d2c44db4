// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/place_text.h"

#include <QDir>

#include "cli/english.h"

namespace velnora::cli {

namespace {

std::string Utf8(const QString& text) { return text.toStdString(); }

}  // namespace

std::string IndexProblemText(const places::IndexProblem& problem) {
    using Kind = places::IndexProblem::Kind;
    if (problem.kind == Kind::NotInstalled) {
        return "The list of places is not installed (looked for " +
               Utf8(problem.lookedFor.join(QStringLiteral(", "))) + ").";
    }
    const std::string where =
        problem.path.isEmpty() ? std::string() : Utf8(QDir::toNativeSeparators(problem.path)) + ' ';
    return "The list of places " + where +
           (problem.kind == Kind::Unreadable ? "cannot be read." : "is damaged.");
}

std::string NameAsFound(const places::Place& place) {
    if (!place.standsFor.isEmpty())
        return Utf8(place.standsFor) + ": the district's largest place, " + Utf8(place.city);
    return place.typedName.isEmpty() ? Utf8(place.city)
                                     : Utf8(place.typedName) + " (" + Utf8(place.city) + ')';
}

std::string PlaceLine(const places::Place& place) {
    std::string r = NameAsFound(place);
    if (!place.state.isEmpty()) r += ", " + Utf8(place.state);
    if (!place.country.isEmpty()) r += ", " + Utf8(place.country);
    return r;
}

std::string TakenPlaceText(const places::Place& place) {
    return Utf8(place.city) + (place.state.isEmpty() ? "" : ", " + Utf8(place.state)) + ", " +
           Utf8(place.country) + " (" +
           english::CoordinateText(places::ToDegreesMinutes(place.latitude, true)) + ", " +
           english::CoordinateText(places::ToDegreesMinutes(place.longitude, false)) + ", " +
           Utf8(place.timeZoneId) + ")";
}

}  // namespace velnora::cli
