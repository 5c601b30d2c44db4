// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/place_texts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <cstdlib>

#include "forms/result_texts.h"

namespace velnora {

namespace {

// The lookup window's words, in its translation context.
class Words {
    Q_DECLARE_TR_FUNCTIONS(velnora::LookupWindow)
};

// A zone's minutes as the user types them into the main form: the minute box
// takes digits only, the sign of the whole zone comes from the hours ("-5", "30").
QString TypedMinutes(const places::ZoneOffset& o) { return QString::number(std::abs(o.minutes)); }

}  // namespace

QString Quoted(const QString& text) { return u'\u201C' + text + u'\u201D'; }

QString PlaceName(const places::Place& p) {
    if (!p.standsFor.isEmpty()) {
        return Words::tr("%1: the district's largest place, %2").arg(p.standsFor, p.city);
    }
    if (p.typedName.isEmpty()) return p.city;
    //: the name a place was found by, then its own name: "Bombay (Mumbai)"
    return Words::tr("%1 (%2)").arg(p.typedName, p.city);
}

QString PlaceText(const places::Place& p) {
    QStringList parts = {PlaceName(p)};
    for (const QString& part : {p.state, p.country}) {
        if (!part.isEmpty()) parts << part;
    }
    //: what stands between the parts of a place's name: "Pune, Maharashtra, India"
    return parts.join(Words::tr(", "));
}

QString DegreesMinutesText(double angle, bool latitude) {
    return CoordinateText(places::ToDegreesMinutes(angle, latitude));
}

QString DaylightPeriodText(const places::ZoneYear& zone) {
    if (!zone.daylight || !zone.daylightStart.isValid() || !zone.daylightEnd.isValid())
        return Words::tr("none");
    const QLocale locale;
    const auto day = [&](QDate d) { return locale.toString(d, QStringLiteral("d MMMM")); };
    const QString year = locale.toString(zone.daylightStart.year()).remove(locale.groupSeparator());
    if (zone.daylightStart < zone.daylightEnd) {
        //: the dates of daylight saving time in a year: "8 March to 1 November 2026"
        return Words::tr("%1 to %2 %3").arg(day(zone.daylightStart), day(zone.daylightEnd), year);
    }
    //: daylight saving time across the turn of the year: "until 5 April and from 4 October 2026"
    return Words::tr("until %1 and from %2 %3")
        .arg(day(zone.daylightEnd), day(zone.daylightStart), year);
}

QString TypedOffset(const places::ZoneOffset& o) {
    return Words::tr("hours %1, minutes %2").arg(QString::number(o.hours), TypedMinutes(o));
}

QString FormTexts(const places::Place& p, const std::optional<places::ZoneYear>& zone) {
    const Angle lat = places::ToDegreesMinutes(p.latitude, true);
    const Angle lon = places::ToDegreesMinutes(p.longitude, false);
    QString text =
        Words::tr("Latitude %1 %2 %3, Longitude %4 %5 %6")
            .arg(lat.degrees)
            .arg(lat.minutes)
            .arg(lat.hemisphere == Hemisphere::South ? Words::tr("South") : Words::tr("North"))
            .arg(lon.degrees)
            .arg(lon.minutes)
            .arg(lon.hemisphere == Hemisphere::West ? Words::tr("West") : Words::tr("East"));
    const auto offset = [](const places::ZoneOffset& o) {
        return Words::tr("hours %1 minutes %2").arg(QString::number(o.hours), TypedMinutes(o));
    };
    if (zone) {
        text += Words::tr(", Zone %1").arg(offset(zone->standard));
        if (zone->daylight)
            text += Words::tr(" (daylight saving time: %1)").arg(offset(*zone->daylight));
    }
    return text;
}

QString MatchesHeading(const QString& typed, const places::SearchResult& found) {
    using places::SearchOutcome;
    const QString quoted = Quoted(typed);
    QString heading;
    switch (found.outcome) {
        case SearchOutcome::Found:
        case SearchOutcome::NoMatch:
            heading = Words::tr("Places matching %1:").arg(quoted);
            break;
        case SearchOutcome::Partial:
            heading = Words::tr(
                          "No place in the offline list is named %1; places named with "
                          "part of it:")
                          .arg(Quoted(found.name));
            break;
        case SearchOutcome::NotItsName:
            heading = Words::tr(
                          "No place fits %1 by its own name; the first has %2 as another "
                          "name or within its name:")
                          .arg(quoted, Quoted(found.name));
            break;
        case SearchOutcome::Ambiguous:
            heading = Words::tr(
                          "%1 names more than one place; the first %n match equally, "
                          "the likeliest first:",
                          nullptr, found.equallyGood)
                          .arg(quoted);
            break;
        case SearchOutcome::Contradicted:
            heading = Words::tr("There are places named %1, but none in %2:")
                          .arg(Quoted(found.name), Quoted(found.against.join(u' ')));
            break;
        case SearchOutcome::NearMiss:
            heading = Words::tr("No place in the offline list matches %1; did you mean %2?")
                          .arg(quoted, PlaceText(found.places.front()));
            break;
    }
    if (found.outcome == SearchOutcome::Found || found.outcome == SearchOutcome::Ambiguous) {
        if (found.namedBy == places::NamedBy::OtherName) {
            heading += Words::tr(" (%1 is another name of the first, not its own)")
                           .arg(Quoted(found.name));
        } else if (found.namedBy == places::NamedBy::PartOfName) {
            heading +=
                Words::tr(" (%1 is only part of the first one's name)").arg(Quoted(found.name));
        }
    }
    if (!found.passedOver.isEmpty()) {
        heading += Words::tr(" (%1 named nothing for the first and was passed over)")
                       .arg(Quoted(found.passedOver.join(u' ')));
    }
    return heading;
}

}  // namespace velnora
