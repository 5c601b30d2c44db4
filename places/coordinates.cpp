// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <QTimeZone>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "places/index_view.h"
#include "places/places.h"

namespace velnora::places {

Angle ToDegreesMinutes(double angle, bool latitude) {
    const long totalMinutes = std::lround(std::fabs(angle) * 60.0);
    Angle a;
    a.degrees = static_cast<int>(totalMinutes / 60);
    a.minutes = static_cast<int>(totalMinutes % 60);
    const bool negative = angle < 0 && totalMinutes != 0;
    a.hemisphere = latitude ? (negative ? Hemisphere::South : Hemisphere::North)
                            : (negative ? Hemisphere::West : Hemisphere::East);
    return a;
}

ZoneOffset FromSecondsEast(int secondsEastOfUtc) {
    // Truncating division gives the minutes the sign of the hours.
    const int minutesWest = -static_cast<int>(std::lround(secondsEastOfUtc / 60.0));
    return {minutesWest / 60, minutesWest % 60};
}

bool IsWellFormedZoneId(std::string_view zoneId) {
    const auto allowed = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               c == '/' || c == '_' || c == '-' || c == '+';
    };
    return !zoneId.empty() && zoneId.front() != '/' &&
           zoneId.find("..") == std::string_view::npos &&
           std::all_of(zoneId.begin(), zoneId.end(), allowed);
}

bool IsKnownZoneId(const QString& zoneId) {
    const QByteArray id = zoneId.toUtf8();
    if (!IsWellFormedZoneId(std::string_view(id.constData(), static_cast<std::size_t>(id.size()))))
        return false;
    if (QTimeZone::isTimeZoneIdAvailable(id)) return true;
    // The system's zone files hold the links and older names too.
    struct stat st {};
    return stat(QByteArray("/usr/share/zoneinfo/" + id).constData(), &st) == 0 &&
           S_ISREG(st.st_mode);
}

std::optional<ZoneYear> ZoneYearOf(const QString& zoneId, QDate reference) {
    if (!IsKnownZoneId(zoneId)) return std::nullopt;
    const QTimeZone zone(zoneId.toUtf8());
    if (!zone.isValid() || !reference.isValid()) return std::nullopt;
    const QDateTime yearStart(QDate(reference.year(), 1, 1), QTime(0, 0), QTimeZone::utc());
    const QDateTime yearEnd(QDate(reference.year() + 1, 1, 1), QTime(0, 0), QTimeZone::utc());

    ZoneYear year;
    year.standard = FromSecondsEast(zone.standardTimeOffset(yearStart));
    for (const QTimeZone::OffsetData& d : zone.transitions(yearStart, yearEnd)) {
        const QDate local = d.atUtc.toTimeZone(zone).date();
        if (d.daylightTimeOffset != 0) {  // daylight saving time begins
            if (!year.daylight) {
                year.standard = FromSecondsEast(d.standardTimeOffset);
                year.daylight = FromSecondsEast(d.offsetFromUtc);
                year.daylightStart = local;
            }
        } else if (!year.daylightEnd.isValid()) {  // and ends
            year.daylightEnd = local;
        }
    }
    if (!year.daylight) year.daylightEnd = QDate();
    return year;
}

}  // namespace velnora::places
