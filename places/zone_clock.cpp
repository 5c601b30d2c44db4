// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/zone_clock.h"

#include <QDateTime>
#include <QTimeZone>

#include "places/places.h"

namespace velnora::places {
namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

std::optional<ZoneOffset> ZoneOffsetAt(std::string_view zoneId, int year, int month, int day,
                                       int hour, int minute, int second) {
    return OffsetAt(FromUtf8(zoneId), QDate(year, month, day), QTime(hour, minute, second));
}

std::optional<LocalMoment> LocalMomentAt(std::string_view zoneId, std::int64_t utcSeconds) {
    if (!IsKnownZoneId(FromUtf8(zoneId))) return std::nullopt;
    const QTimeZone zone(FromUtf8(zoneId).toUtf8());
    if (!zone.isValid()) return std::nullopt;
    const QDateTime local = QDateTime::fromSecsSinceEpoch(utcSeconds, zone);
    const QDate d = local.date();
    const QTime t = local.time();
    return LocalMoment{d.year(),
                       d.month(),
                       d.day(),
                       t.hour(),
                       t.minute(),
                       t.second(),
                       FromSecondsEast(local.offsetFromUtc())};
}

}  // namespace velnora::places
