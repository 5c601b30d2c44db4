// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/place.h"

#include <iomanip>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/cli.h"
#include "cli/escape.h"
#include "cli/place_text.h"
#include "places/resolve.h"

namespace velnora::cli {

namespace {

std::string Joined(const std::vector<std::string>& texts, const char* between = "; ") {
    std::string r;
    for (const std::string& t : texts) r += (r.empty() ? "" : between) + t;
    return r;
}

std::string Joined(const std::vector<places::Place>& places) {
    std::vector<std::string> lines;
    lines.reserve(places.size());
    for (const places::Place& p : places) lines.push_back(PlaceLine(p));
    return Joined(lines);
}

// Fills the form's fields that were not given as options with the place's.
void Take(const places::Place& p, const std::optional<ZoneOffset>& zone, Options& options) {
    const Angle lat = places::ToDegreesMinutes(p.latitude, true);
    const Angle lon = places::ToDegreesMinutes(p.longitude, false);
    FormValues& v = options.form;
    const auto take = [&](std::string_view option, auto& field, const auto& value) {
        if (!options.Given(option)) field = value;
    };
    take("--lat-deg", v.latDegrees, std::to_string(lat.degrees));
    take("--lat-min", v.latMinutes, std::to_string(lat.minutes));
    take("--lat-hemisphere", v.south, lat.hemisphere == Hemisphere::South);
    take("--lon-deg", v.lonDegrees, std::to_string(lon.degrees));
    take("--lon-min", v.lonMinutes, std::to_string(lon.minutes));
    take("--lon-hemisphere", v.east, lon.hemisphere == Hemisphere::East);
    if (options.plan.zoneGiven) {  // the place fills the zone text not given
        take("--zone-hour", v.zoneHour, zone ? std::to_string(zone->hours) : std::string());
        take("--zone-minute", v.zoneMinute, zone ? std::to_string(zone->minutes) : std::string());
    } else {
        options.placeZone = zone;
    }
    take("--city", v.city, p.city.toStdString());
    take("--state", v.state, p.state.toStdString());
    take("--country", v.country, p.country.toStdString());
    options.placeTaken = TakenPlaceText(p);
}

}  // namespace

std::string PlaceJson(const places::Place& p, const Options& o) {
    const auto zoneText = [&o](int value, const std::string& typed) {
        return JsonQuote(o.placeZone ? std::to_string(value) : typed);
    };
    const ZoneOffset zone = o.placeZone.value_or(ZoneOffset{});
    std::ostringstream out;
    out << std::setprecision(7) << "{\"name\": " << JsonQuote(p.city.toStdString())
        << ", \"division\": " << JsonQuote(p.state.toStdString())
        << ", \"country\": " << JsonQuote(p.country.toStdString())
        << ", \"latitude\": " << p.latitude << ", \"longitude\": " << p.longitude
        << ", \"zone\": " << JsonQuote(p.timeZoneId.toStdString())
        << ", \"zoneHour\": " << zoneText(zone.hours, o.form.zoneHour)
        << ", \"zoneMinute\": " << zoneText(zone.minutes, o.form.zoneMinute) << '}';
    return out.str();
}

int ResolvePlaceOption(Options& options, std::optional<places::Place>& taken, std::ostream& err) {
    const FormValues& f = options.form;
    const places::PlaceResolution found =
        places::ResolvePlace(options.place, ListedDate(f), {f.hour, f.minute, f.second});
    const std::string quoted = "\"" + Visible(options.place) + "\"";
    switch (found.outcome) {
        case places::Resolution::Found:
            break;
        case places::Resolution::Ambiguous:
            err << "velnora-cli: " << quoted << " names more than one place; took "
                << TakenPlaceText(*found.taken) << " and passed over: " << Joined(found.others)
                << '\n';
            break;
        case places::Resolution::Contradicted:
            err << "No place named \"" << Visible(found.name) << "\" lies in \""
                << Visible(Joined(found.against, " "))
                << "\"; places of that name: " << Joined(found.others) << '\n';
            return kRefused;
        case places::Resolution::Partial:
            err << "No place named \"" << Visible(found.name)
                << "\" in the offline gazetteer; places named with part of it: "
                << Joined(found.others) << '\n';
            return kRefused;
        case places::Resolution::NotItsName:
            err << "No place fits " << quoted << " by its own name; the first has \""
                << Visible(found.name)
                << "\" as another name or within its name: " << Joined(found.others) << '\n';
            return kRefused;
        case places::Resolution::NearMiss:
            err << "No place matches " << quoted << " in the offline gazetteer; did you mean "
                << PlaceLine(found.others.front()) << "?\n";
            return kRefused;
        case places::Resolution::NoMatch:
            err << "No place matches " << quoted << " in the offline gazetteer\n";
            return kRefused;
        case places::Resolution::NoGazetteer:
            err << "velnora-cli: " << IndexProblemText(found.problem) << '\n';
            return kRefused;
    }
    if (!found.taken->standsFor.isEmpty()) {
        err << "velnora-cli: " << Visible(found.taken->standsFor.toStdString())
            << ": the district's largest place, " << TakenPlaceText(*found.taken) << '\n';
    }
    if (found.namedBy == places::NamedBy::OtherName) {
        err << "velnora-cli: took " << TakenPlaceText(*found.taken)
            << ", found by another of its names, \"" << Visible(found.name) << "\"\n";
    } else if (found.namedBy == places::NamedBy::PartOfName) {
        err << "velnora-cli: took " << TakenPlaceText(*found.taken)
            << ", whose name only contains \"" << Visible(found.name) << "\"\n";
    }
    if (!found.passedOver.empty()) {
        err << "velnora-cli: took " << TakenPlaceText(*found.taken)
            << "; these words named nothing "
            << "for it and were passed over: \"" << Visible(Joined(found.passedOver, " "))
            << "\"\n";
    }
    Take(*found.taken, found.zone, options);
    taken = found.taken;
    return kOk;
}

}  // namespace velnora::cli
