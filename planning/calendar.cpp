// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/calendar.h"

#include <array>
#include <cstdio>
#include <ostream>

#include "planning/almanac.h"
#include "planning/utf8.h"

namespace velnora {
namespace {

std::string UtcStamp(std::int64_t utcSeconds) {
    const LocalDateTime t{utcSeconds};
    const Date d = t.date();
    const ClockTime c = t.time();
    std::string text;
    for (const auto& [value, width] : {std::pair{d.year, 4}, {d.month, 2}, {d.day, 2}}) {
        PutDigits(text, value, width);
    }
    text += 'T';
    for (const int value : {c.hour, c.minute, c.second}) PutDigits(text, value, 2);
    return text + 'Z';
}

// 64-bit FNV-1a: a short, stable name for the place in the UID.
std::string PlaceHash(std::string_view key) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (unsigned char c : key) {
        h ^= c;
        h *= 0x100000001b3ull;
    }
    char text[20];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
    return text;
}

// The UID's key: the place's position ("23° 2' N") and names as typed, the
// same in every language, so that a calendar written in another replaces the
// events instead of doubling them.
std::string PlaceKey(const EvaluationResult& r) {
    const auto angle = [](const Angle& a) {
        static constexpr char kLetters[] = {'N', 'S', 'E', 'W'};
        return std::to_string(a.degrees) + "\u00b0 " + std::to_string(a.minutes) + "' " +
               kLetters[static_cast<int>(a.hemisphere)];
    };
    return angle(r.latitude) + '|' + angle(r.longitude) + '|' + r.city + '|' + r.state + '|' +
           r.country;
}

}  // namespace

std::string FoldLine(std::string_view line) {
    constexpr std::size_t kLineOctets = 75;
    std::string folded;
    std::size_t width = 0;
    const auto append = [&](std::string_view character) {
        if (width + character.size() > kLineOctets) {
            folded += "\r\n ";
            width = 1;
        }
        folded += character;
        width += character.size();
    };
    ForEachCharacter(line, append, [&](unsigned char) { append(kReplacementCharacter); });
    return folded + "\r\n";
}

std::string CalendarText(std::string_view text) {
    std::string r;
    for (char c : text) {
        switch (c) {
            case '\\':
            case ';':
            case ',':
                r += '\\';
                r += c;
                break;
            case '\n':
                r += "\\n";
                break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) r += c;
        }
    }
    return r;
}

int WriteCalendar(std::ostream& out, const CalendarRequest& request) {
    const auto line = [&](std::string_view text) { out << FoldLine(text); };
    line("BEGIN:VCALENDAR");
    line("VERSION:2.0");
    line("PRODID:-//Velnora//velnora-cli " VELNORA_VERSION "//EN");
    line("CALSCALE:GREGORIAN");
    const CalendarWords& words = request.words;
    // The calendar is named after the place of the first day listed, as each event names it.
    std::optional<std::string> named;
    if (!request.place.empty()) named = request.place;
    for (const DayListing& d : request.days) {
        if (d.failure) continue;
        if (!named) named = words.place(d.evaluation.result);
        break;
    }
    line("X-WR-CALNAME:" + CalendarText(words.calendarName(named ? &*named : nullptr)));
    const bool any = !request.days.empty();
    line("X-WR-CALDESC:" + CalendarText(words.coverage(request.everyPeriod, request.clearOnly,
                                                       static_cast<int>(request.days.size()),
                                                       any ? &request.days.front().date : nullptr,
                                                       any ? &request.days.back().date : nullptr)));
    const std::string stamp = UtcStamp(request.stamp.time_since_epoch().count());
    int events = 0;
    for (const DayListing& d : request.days) {
        if (d.failure) continue;
        const EvaluationResult& r = d.evaluation.result;
        const std::string place = request.place.empty() ? words.place(r) : request.place;
        const std::string placeKey = PlaceHash(PlaceKey(r));
        const std::int64_t toUtc = ZoneSeconds(d.evaluation.zone());
        const std::string date = UtcStamp(LocalDateTime::From(d.date, {}).seconds).substr(0, 8);
        const auto event = [&](const Period& p, bool afterMidnight, bool beforeMidnight) {
            if (!request.everyPeriod && p.verdict != Verdict::Favorable) return;
            const Marks marks = MarksOfPeriod(p, d.date);
            if (request.clearOnly && !marks.Empty()) return;
            const std::string span = p.night ? "night" : "day";
            line("BEGIN:VEVENT");
            line("UID:" + date + "-" + span + "-" + std::to_string(p.number) +
                 (afterMidnight ? "b" : "") + "-" + placeKey + "@velnora-cli");
            line("DTSTAMP:" + stamp);
            line("DTSTART:" + UtcStamp(p.start.seconds + toUtc));
            line("DTEND:" + UtcStamp(p.end.seconds + toUtc));
            line("SUMMARY:" + CalendarText(words.summary(p)));
            line("DESCRIPTION:" +
                 CalendarText(words.description(p, marks, place, afterMidnight, beforeMidnight)));
            line("TRANSP:TRANSPARENT");
            if (request.alarmMinutes) {
                const std::string minutes = std::to_string(*request.alarmMinutes);
                line("BEGIN:VALARM");
                line("ACTION:DISPLAY");
                line("TRIGGER:-PT" + minutes + "M");
                line("DESCRIPTION:" + CalendarText(words.reminder(p, *request.alarmMinutes)));
                line("END:VALARM");
            }
            line("END:VEVENT");
            ++events;
        };
        for (const Period& p : d.day) event(p, false, false);
        const std::vector<Period>& night = d.night;
        for (std::size_t k = 0; k < night.size(); ++k) {
            event(night[k], k > 0 && night[k].number == night[k - 1].number,
                  k + 1 < night.size() && night[k].number == night[k + 1].number);
        }
    }
    line("END:VCALENDAR");
    return events;
}

}  // namespace velnora
