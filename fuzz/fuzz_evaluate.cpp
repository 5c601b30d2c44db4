// SPDX-License-Identifier: GPL-3.0-or-later
// Validation and evaluation over arbitrary texts in every field and arbitrary list
// positions. A refusal must carry one of the program's messages; a result must be
// complete and consistent with itself, its days running forwards.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <set>

#include "workflow/evaluation.h"

namespace {

using namespace velnora;

void Check(bool condition) {
    if (!condition) std::abort();
}

// The evaluation's refusals among the program's messages.
const std::set<MessageId> kRefusals = {
    MessageId::EnterName,
    MessageId::LongitudeDegrees,
    MessageId::LongitudeMinutes,
    MessageId::LatitudeDegrees,
    MessageId::LatitudeMinutes,
    MessageId::CorrectDateOfWork,
    MessageId::CorrectTimeOfWork,
    MessageId::EnterTimeZone,
    MessageId::SunDoesNotRiseOrSet,
    MessageId::SunTimesNotOnThisDate,
    MessageId::NeighbourSunSetAfterMidnight,
    MessageId::CheckZoneSign,
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    FormValues f;
    // Mostly valid list positions, sometimes anything.
    const bool wild = in.ConsumeBool();
    auto position = [&](int count) {
        return wild ? in.ConsumeIntegral<int>() : in.ConsumeIntegralInRange(0, count - 1);
    };
    f.month = position(12);
    f.day = position(31);
    f.year = position(150);
    f.hour = position(24);
    f.minute = position(60);
    f.second = position(60);
    f.south = in.ConsumeBool();
    f.east = in.ConsumeBool();
    for (std::string* text : {&f.name, &f.latDegrees, &f.latMinutes, &f.lonDegrees, &f.lonMinutes,
                              &f.zoneHour, &f.zoneMinute, &f.city, &f.state, &f.country}) {
        *text = in.ConsumeRandomLengthString(24);
    }

    const Outcome outcome = Evaluate(f);
    if (const auto* failure = std::get_if<Failure>(&outcome)) {
        Check(kRefusals.count(failure->message.id) == 1 &&
              !MessageText(failure->message.id).empty());
        return 0;
    }
    const Evaluation& e = std::get<Evaluation>(outcome);
    const EvaluationResult& r = e.result;
    Check(r.name == f.name && r.city == f.city && r.state == f.state && r.country == f.country);
    Check(r.dateOfWork == e.WorkTime.date() && r.timeOfWork == e.WorkTime.time());
    Check(r.period.has_value() && r.verdict == VerdictOf(r.period));
    Check(e.periodIndex >= 0 && e.periodIndex < kPeriodsPerSpan);
    Check(e.SpanSeconds > 0 && e.ElapsedSeconds >= 0 && e.ElapsedSeconds <= e.SpanSeconds);
    Check(e.spanStart <= e.WorkTime && e.WorkTime <= e.spanEnd);
    // Every day runs forwards, and the time of work lies in the span the result names.
    Check(e.result.previousDaySunRise < e.result.previousDaySunSet &&
          e.result.inputDaySunRise < e.result.inputDaySunSet &&
          e.result.nextDaySunRise < e.result.nextDaySunSet);
    switch (e.span) {
        case SpanKind::Daylight:
            Check(e.spanStart == e.result.inputDaySunRise && e.spanEnd == e.result.inputDaySunSet);
            break;
        case SpanKind::NightBeforeSunrise:
            Check(e.spanStart == e.result.previousDaySunSet &&
                  e.spanEnd == e.result.inputDaySunRise && e.WorkTime < e.spanEnd);
            break;
        case SpanKind::NightAfterSunset:
            Check(e.spanStart == e.result.inputDaySunSet && e.spanEnd == e.result.nextDaySunRise &&
                  e.spanStart < e.WorkTime);
            break;
    }
    Check(e.WorkWeekday >= 1 && e.WorkWeekday <= kDaysPerWeek);
    return 0;
}
