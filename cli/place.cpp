// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/place.h"

#include <ostream>

#include "places/resolve.h"

namespace velnora::cli {

namespace {

std::string Joined(const std::vector<std::string>& texts, const char* between = "; ") {
    std::string r;
    for (const std::string& t : texts) r += (r.empty() ? "" : between) + t;
    return r;
}

}  // namespace

int ResolvePlaceOption(const std::vector<std::string>& args, const Options& options,
                       Options& placed, std::ostream& err) {
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
    if (!found.passedOver.empty()) {
        err << "velnora-cli: took " << found.taken->Describe() << "; these words named nothing "
            << "for it and were passed over: \"" << Visible(Joined(found.passedOver, " "))
            << "\"\n";
    }
    const places::ResolvedPlace& p = *found.taken;
    FormValues& v = placed.form;
    v.latDegrees = p.latDegrees;
    v.latMinutes = p.latMinutes;
    v.south = p.south;
    v.lonDegrees = p.lonDegrees;
    v.lonMinutes = p.lonMinutes;
    v.east = p.east;
    v.zoneHour = p.zoneHour;
    v.zoneMinute = p.zoneMinute;
    v.city = p.city;
    v.state = p.state;
    v.country = p.country;
    std::string ignored;
    ParseArguments(args, placed, ignored);  // parsed once already: explicit options win
    placed.placeTaken = p.Describe();
    placed.taken = {p.city, p.state, p.country, p.zoneId, p.latitude, p.longitude};
    return kOk;
}

}  // namespace velnora::cli
