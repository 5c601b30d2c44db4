// SPDX-License-Identifier: GPL-3.0-or-later
// The present moment, behind a seam so that tests fix it: the desktop program
// takes today's date from it, velnora-cli the time of work for --now.
#pragma once

#include <chrono>

#include "core/date_time.h"
#include "core/zone_offset.h"

namespace velnora {

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::chrono::sys_seconds now() const = 0;  // Greenwich time
};

class SystemClock final : public Clock {
public:
    std::chrono::sys_seconds now() const override {
        return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    }
};

// A clock that stands still, for tests and for repeatable runs.
class FixedClock final : public Clock {
public:
    explicit FixedClock(std::chrono::sys_seconds at) : at_(at) {}
    std::chrono::sys_seconds now() const override { return at_; }

private:
    std::chrono::sys_seconds at_;
};

// The present moment on clocks that keep `zone`: Greenwich time less the zone,
// which counts west of Greenwich as positive.
inline LocalDateTime NowIn(const Clock& clock, const ZoneOffset& zone) {
    return {clock.now().time_since_epoch().count() - ZoneSeconds(zone)};
}

}  // namespace velnora
