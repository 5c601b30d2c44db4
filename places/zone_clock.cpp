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

struct ZoneClock::Zone {
    QTimeZone zone;
};

ZoneClock::ZoneClock(std::string_view zoneId) {
    if (!IsKnownZoneId(FromUtf8(zoneId))) return;
    QTimeZone zone(FromUtf8(zoneId).toUtf8());
    if (zone.isValid()) zone_ = std::make_shared<const Zone>(Zone{zone});
}

std::optional<ZoneOffset> ZoneClock::OffsetAt(const Date& d, const ClockTime& t) const {
    const QDate date(d.year, d.month, d.day);
    const QTime time(t.hour, t.minute, t.second);
    if (!zone_ || !date.isValid() || !time.isValid()) return std::nullopt;
    return FromSecondsEast(QDateTime(date, time, zone_->zone).offsetFromUtc());
}

std::optional<LocalMoment> LocalMomentAt(std::string_view zoneId, std::int64_t utcSeconds) {
    return ZoneClock(zoneId).LocalMomentAt(utcSeconds);
}

std::optional<LocalMoment> ZoneClock::LocalMomentAt(std::int64_t utcSeconds) const {
    if (!zone_) return std::nullopt;
    const QTimeZone& zone = zone_->zone;
    const QDateTime local = QDateTime::fromSecsSinceEpoch(utcSeconds, zone);
    const QDate d = local.date();
    const QTime t = local.time();
    return LocalMoment{
        LocalDateTime::From({d.year(), d.month(), d.day()}, {t.hour(), t.minute(), t.second()}),
        FromSecondsEast(local.offsetFromUtc())};
}

LocalDateTime ZoneClock::ReadingAt(const LocalDateTime& time, const ZoneOffset& zone) const {
    const auto moment = LocalMomentAt(time.seconds + ZoneSeconds(zone));
    return moment ? moment->reading : time;
}

}  // namespace velnora::places
