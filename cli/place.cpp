// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/place.h"

#include <ostream>
#include <string_view>

#include "cli/cli.h"
#include "places/resolve.h"

namespace velnora::cli {

namespace {

std::string Joined(const std::vector<std::string>& texts, const char* between = "; ") {
    std::string r;
    for (const std::string& t : texts) r += (r.empty() ? "" : between) + t;
    return r;
}

}  // namespace

int ResolvePlaceOption(Options& options, std::ostream& err) {
    const FormValues& f = options.form;
    const places::PlaceResolution found = places::ResolvePlace(
        options.place, kFirstYear + f.year, f.month + 1, f.day + 1, f.hour, f.minute, f.second);
    const std::string quoted = "\"" + Visible(options.place) + "\"";
    switch (found.outcome) {
        case places::Resolution::Found:
            break;
        case places::Resolution::Ambiguous:
            err << "velnora-cli: " << quoted << " names more than one place; took "
                << found.taken->Describe() << " and passed over: " << Joined(found.others) << '\n';
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
                << found.others.front() << "?\n";
            return kRefused;
        case places::Resolution::NoMatch:
            err << "No place matches " << quoted << " in the offline gazetteer\n";
            return kRefused;
        case places::Resolution::NoGazetteer:
            err << "velnora-cli: " << Joined(found.others) << '\n';
            return kRefused;
    }
    if (!found.taken->standsFor.empty()) {
        err << "velnora-cli: " << Visible(found.taken->standsFor)
            << ": the district's largest place, " << found.taken->Describe() << '\n';
    }
    if (found.namedBy == places::NamedBy::OtherName) {
        err << "velnora-cli: took " << found.taken->Describe()
            << ", found by another of its names, \"" << Visible(found.name) << "\"\n";
    } else if (found.namedBy == places::NamedBy::PartOfName) {
        err << "velnora-cli: took " << found.taken->Describe() << ", whose name only contains \""
            << Visible(found.name) << "\"\n";
    }
    if (!found.passedOver.empty()) {
        err << "velnora-cli: took " << found.taken->Describe() << "; these words named nothing "
            << "for it and were passed over: \"" << Visible(Joined(found.passedOver, " "))
            << "\"\n";
    }
    const places::ResolvedPlace& p = *found.taken;
    FormValues& v = options.form;
    const auto take = [&](std::string_view option, auto& field, const auto& value) {
        if (!options.Given(option)) field = value;
    };
    take("--lat-deg", v.latDegrees, p.latDegrees);
    take("--lat-min", v.latMinutes, p.latMinutes);
    take("--lat-hemisphere", v.south, p.south);
    take("--lon-deg", v.lonDegrees, p.lonDegrees);
    take("--lon-min", v.lonMinutes, p.lonMinutes);
    take("--lon-hemisphere", v.east, p.east);
    take("--zone-hour", v.zoneHour, p.zoneHour);
    take("--zone-minute", v.zoneMinute, p.zoneMinute);
    take("--city", v.city, p.city);
    take("--state", v.state, p.state);
    take("--country", v.country, p.country);
    options.placeTaken = p.Describe();
    options.taken = {p.city, p.state, p.country, p.zoneId, p.latitude, p.longitude};
    return kOk;
}

}  // namespace velnora::cli
