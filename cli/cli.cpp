// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli.h"

#include <ostream>

#ifdef VELNORA_PLACES
#include "cli/place.h"
#include "cli/place_clocks.h"
#endif

namespace velnora::cli {

namespace {

// Options that give the position, with which a place from the environment
// would only mislead.
bool PositionGiven(const Options& o) {
    for (std::string_view option : {"--lat-deg", "--lat-min", "--lat-hemisphere", "--lon-deg",
                                    "--lon-min", "--lon-hemisphere"}) {
        if (o.Given(option)) return true;
    }
    return false;
}

}  // namespace

int Main(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
         const Clock& clock, std::string_view environmentPlace) {
    const auto run = [&](Options& o, const PlaceClocks& clocks) {
        if (o.plan.now && !clocks.zoneFor) TakeTimeOfWorkFromClock(o.form, clock);
        return o.plan.Lists() ? RunPlan(o, clock, clocks, out, err) : Run(o, clocks, out, err);
    };
    Options options;
    std::string error;
    if (!ParseArguments(args, options, error)) {
        err << "velnora-cli: " << error << "; see velnora-cli --help\n";
        return kUsage;
    }
    if (options.help) {
        out << UsageText();
        return kOk;
    }
    if (options.version) {
        out << "velnora-cli " << VELNORA_VERSION << '\n';
        return kOk;
    }
#ifdef VELNORA_PLACES
    const bool placeFromEnvironment =
        options.place.empty() && !environmentPlace.empty() && !PositionGiven(options);
    if (placeFromEnvironment) options.place = environmentPlace;
#else
    (void)environmentPlace;  // no gazetteer to look it up in
#endif
    if (!options.place.empty()) {
#ifdef VELNORA_PLACES
        std::optional<places::Place> taken;
        if (const int status = ResolvePlaceOption(options, taken, err); status != kOk) {
            if (placeFromEnvironment) err << "velnora-cli: the place came from VELNORA_PLACE\n";
            return status;
        }
        const PlaceClocks clocks =
            PlaceClocksOf(options, taken->timeZoneId.toStdString(), clock, err);
        options.placeJson = PlaceJson(*taken, options);
        return run(options, clocks);
#else
        err << "velnora-cli: this build has no gazetteer for --place\n";
        return kUsage;
#endif
    }
    return run(options, {});
}

}  // namespace velnora::cli
