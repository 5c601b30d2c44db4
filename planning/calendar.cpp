// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/calendar.h"

#include <array>
#include <cstdio>
#include <ostream>

#include "planning/almanac.h"
#include "planning/english.h"
#include "planning/utf8.h"

namespace velnora {
namespace {

using namespace english;

std::string UtcStamp(std::int64_t utcSeconds) {
    const LocalDateTime t{utcSeconds};
    const Date d = t.date();
    const ClockTime c = t.time();
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", d.year, d.month, d.day, c.hour,
                  c.minute, c.second);
    return text;
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

std::string PlaceOf(const EvaluationResult& r) {
    std::string place;
    for (const std::string* part : {&r.city, &r.state, &r.country}) {
        if (part->empty()) continue;
        place += (place.empty() ? "" : ", ") + *part;
    }
    const std::string position = CoordinateText(r.latitude) + ", " + CoordinateText(r.longitude);
    return place.empty() ? position : place + " (" + position + ")";
}

std::string IsoDate(const Date& d) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

// What the calendar covers: which periods, of how many days, from when to when.
std::string Coverage(const CalendarRequest& request) {
    const std::size_t count = request.days.size();
    std::string text = request.everyPeriod ? "Choghadiya periods" : "Favorable Choghadiya periods";
    if (request.clearOnly) text += " without an almanac mark";
    text += " of " + std::to_string(count) + (count == 1 ? " day" : " days");
    if (count > 0) {
        text += ", " + IsoDate(request.days.front().date);
        if (count > 1) text += " to " + IsoDate(request.days.back().date);
    }
    return text;
}

// The calendar's name in a calendar client's list: the place of the first day
// listed, as each event names it.
std::string CalendarName(const CalendarRequest& request) {
    for (const DayListing& d : request.days) {
        if (d.failure) continue;
        return "Choghadiya at " +
               (request.place.empty() ? PlaceOf(d.evaluation.result) : request.place);
    }
    return request.place.empty() ? "Choghadiya" : "Choghadiya at " + request.place;
}

// What an event is, in the words of its reader: "Labh is a favorable Choghadiya
// period at Ahmedabad, Gujarat, India: the 6th of the eight periods of the day,
// from sunrise to sunset."
std::string Described(const Period& p, Marks marks, const std::string& place, bool afterMidnight,
                      bool beforeMidnight) {
    static constexpr std::array<std::string_view, kPeriodsPerSpan> kOrdinals = {
        "1st", "2nd", "3rd", "4th", "5th", "6th", "7th", "8th"};
    const std::string_view verdict = VerdictWord(p.verdict);
    std::string text =
        std::string(PeriodName(p.name)) + (verdict == "favorable" ? " is a " : " is an ") +
        std::string(verdict) + " Choghadiya period at " + place + ": the " +
        std::string(kOrdinals[static_cast<std::size_t>(p.number - 1) % kOrdinals.size()]) +
        " of the eight periods of the " +
        (p.night ? "night, from sunset to the next sunrise" : "day, from sunrise to sunset");
    if (afterMidnight) text += "; its part after midnight";
    if (beforeMidnight) text += "; its part before midnight";
    text += ".";
    if (!marks.Empty()) {
        text += " The almanac marks it as " + MarkNames(marks) +
                ", in which no auspicious work is begun.";
    }
    return text;
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
    line("X-WR-CALNAME:" + CalendarText(CalendarName(request)));
    line("X-WR-CALDESC:" + CalendarText(Coverage(request)));
    const std::string stamp = UtcStamp(request.stamp.time_since_epoch().count());
    int events = 0;
    for (const DayListing& d : request.days) {
        if (d.failure) continue;
        const EvaluationResult& r = d.evaluation.result;
        const std::string place = request.place.empty() ? PlaceOf(r) : request.place;
        const std::string placeKey =
            PlaceHash(CoordinateText(r.latitude) + '|' + CoordinateText(r.longitude) + '|' +
                      r.city + '|' + r.state + '|' + r.country);
        const std::int64_t toUtc = ZoneSeconds(d.evaluation.zone);
        char date[16];
        std::snprintf(date, sizeof date, "%04d%02d%02d", d.date.year, d.date.month, d.date.day);
        const auto event = [&](const Period& p, bool afterMidnight, bool beforeMidnight) {
            if (!request.everyPeriod && p.verdict != Verdict::Favorable) return;
            const Marks marks = MarksOfPeriod(p, d.date);
            if (request.clearOnly && !marks.Empty()) return;
            const std::string span = p.night ? "night" : "day";
            line("BEGIN:VEVENT");
            line("UID:" + std::string(date) + "-" + span + "-" + std::to_string(p.number) +
                 (afterMidnight ? "b" : "") + "-" + placeKey + "@velnora-cli");
            line("DTSTAMP:" + stamp);
            line("DTSTART:" + UtcStamp(p.start.seconds + toUtc));
            line("DTEND:" + UtcStamp(p.end.seconds + toUtc));
            line("SUMMARY:" + CalendarText(std::string(PeriodName(p.name)) + ": " +
                                           std::string(VerdictWord(p.verdict))));
            line("DESCRIPTION:" +
                 CalendarText(Described(p, marks, place, afterMidnight, beforeMidnight)));
            line("TRANSP:TRANSPARENT");
            if (request.alarmMinutes) {
                const std::string minutes = std::to_string(*request.alarmMinutes);
                line("BEGIN:VALARM");
                line("ACTION:DISPLAY");
                line("TRIGGER:-PT" + minutes + "M");
                const int m = *request.alarmMinutes;
                line("DESCRIPTION:" +
                     CalendarText(
                         std::string(PeriodName(p.name)) + " (" +
                         std::string(VerdictWord(p.verdict)) + ") begins " +
                         (m == 0 ? "now" : "in " + minutes + (m == 1 ? " minute" : " minutes"))));
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
