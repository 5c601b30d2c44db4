// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli.h"

#include <ostream>

#ifdef VELNORA_PLACES
#include "cli/place.h"
#include "cli/place_clocks.h"
#endif

namespace velnora::cli {

int Main(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
         const Clock& clock) {
    const auto run = [&](Options& o, const PlaceClocks& clocks) {
        if (o.plan.now && !clocks.zoneFor) TakeTimeOfWorkFromClock(o.form, clock.now());
        return o.plan.Lists() ? RunPlan(o, clock, clocks, out, err) : Run(o, clocks, out, err);
    };
    Options options;
    std::string error;
    if (!ParseArguments(args, options, error)) {
        err << "velnora-cli: " << error << "\n\n" << UsageText();
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
    if (!options.place.empty()) {
#ifdef VELNORA_PLACES
        if (const int status = ResolvePlaceOption(options, err); status != kOk) return status;
        const PlaceClocks clocks = PlaceClocksOf(options, options.taken.zone, clock, err);
        return run(options, clocks);
#else
        err << "velnora-cli: this build has no gazetteer for --place\n";
        return kUsage;
#endif
    }
    return run(options, {});
}

}  // namespace velnora::cli
