// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/english.h"

#include <algorithm>
#include <cctype>

namespace velnora::english {
namespace {

constexpr std::array<std::string_view, kChoghadiyaCount> kPeriodNames = {
    "Amrut", "Shubh", "Labh", "Chal", "Udveg", "Rog", "Kal"};

// Appends n (0..9999) in decimal without leading zeros, or with exactly `width`
// digits when width is given.
char* PutNumber(char* out, int n, int width = 0) {
    char digits[4];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n > 0 && count < 4);
    while (count < width) digits[count++] = '0';
    while (count > 0) *out++ = digits[--count];
    return out;
}

std::string_view HemisphereLetter(Hemisphere h) {
    switch (h) {
        case Hemisphere::North:
            return "N";
        case Hemisphere::South:
            return "S";
        case Hemisphere::East:
            return "E";
        case Hemisphere::West:
            break;
    }
    return "W";
}

bool SameLetters(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

struct Spelling {
    std::string_view text;
    Choghadiya name;
};

// The other spellings in use: Hindi and Gujarati names written in Latin letters
// by ear, with or without the final vowel, Char the Gujarati Chal.
constexpr std::array<Spelling, 13> kOtherSpellings = {{
    {"Amrit", Choghadiya::Amrut},
    {"Amrita", Choghadiya::Amrut},
    {"Shub", Choghadiya::Shubh},
    {"Shubha", Choghadiya::Shubh},
    {"Laabh", Choghadiya::Labh},
    {"Labha", Choghadiya::Labh},
    {"Char", Choghadiya::Chal},
    {"Chala", Choghadiya::Chal},
    {"Udvega", Choghadiya::Udveg},
    {"Udweg", Choghadiya::Udveg},
    {"Roga", Choghadiya::Rog},
    {"Kaal", Choghadiya::Kal},
    {"Kala", Choghadiya::Kal},
}};

}  // namespace

std::string_view PeriodName(Choghadiya name) {
    return kPeriodNames[static_cast<std::size_t>(name)];
}

std::string_view PeriodName(std::optional<Choghadiya> name) {
    return name ? PeriodName(*name) : std::string_view{};
}

std::optional<Choghadiya> PeriodNamed(std::string_view name) {
    for (std::size_t i = 0; i < kPeriodNames.size(); ++i) {
        if (kPeriodNames[i] == name) return static_cast<Choghadiya>(i);
    }
    return std::nullopt;
}

std::optional<Choghadiya> PeriodSpelled(std::string_view text) {
    for (std::size_t i = 0; i < kPeriodNames.size(); ++i) {
        if (SameLetters(kPeriodNames[i], text)) return static_cast<Choghadiya>(i);
    }
    for (const Spelling& s : kOtherSpellings) {
        if (SameLetters(s.text, text)) return s.name;
    }
    return std::nullopt;
}

std::optional<Verdict> VerdictSpelled(std::string_view text) {
    for (const Verdict v : {Verdict::Favorable, Verdict::Intermediate, Verdict::Unfavorable}) {
        if (SameLetters(VerdictWord(v), text)) return v;
    }
    if (SameLetters("favourable", text)) return Verdict::Favorable;
    if (SameLetters("unfavourable", text)) return Verdict::Unfavorable;
    return std::nullopt;
}

std::optional<int> MonthSpelled(std::string_view text) {
    for (std::size_t i = 0; i < kMonthNames.size(); ++i) {
        if (SameLetters(kMonthNames[i], text) || SameLetters(kMonthNames[i].substr(0, 3), text)) {
            return static_cast<int>(i) + 1;
        }
    }
    if (SameLetters("Sept", text)) return 9;
    return std::nullopt;
}

std::string_view VerdictText(Verdict verdict) {
    switch (verdict) {
        case Verdict::Favorable:
            return "Time period for work can be favorable.";
        case Verdict::Intermediate:
            return "Time period for work can be intermediate.";
        case Verdict::Unfavorable:
            break;
    }
    return "Time period for work can be unfavorable.";
}

std::string_view VerdictWord(Verdict v) {
    switch (v) {
        case Verdict::Favorable:
            return "favorable";
        case Verdict::Intermediate:
            return "intermediate";
        case Verdict::Unfavorable:
            break;
    }
    return "unfavorable";
}

std::string_view WeekdayName(int weekday) {
    static constexpr std::array<std::string_view, kDaysPerWeek> kNames = {
        "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    return weekday >= 1 && weekday <= kDaysPerWeek ? kNames[weekday - 1] : std::string_view{};
}

std::string_view MarkName(Mark mark) {
    static constexpr std::array<std::string_view, kMarkCount> kNames = {
        "Vaar Vela", "Kaal Vela", "Kaal Ratri", "Rahu Kaal", "Yamaganda", "Gulika Kaal"};
    return kNames[static_cast<std::size_t>(mark)];
}

std::string_view MarkCode(Mark mark) {
    static constexpr std::array<std::string_view, kMarkCount> kCodes = {
        "vaarVela", "kaalVela", "kaalRatri", "rahuKaal", "yamaganda", "gulikaKaal"};
    return kCodes[static_cast<std::size_t>(mark)];
}

std::string MarkNames(Marks marks) {
    std::string text;
    for (const Mark mark : kAllMarks) {
        if (!marks.Has(mark)) continue;
        if (!text.empty()) text += ", ";
        text += MarkName(mark);
    }
    return text;
}

std::string_view PlanetName(Planet planet) {
    static constexpr std::array<std::string_view, kPlanetCount> kNames = {
        "Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn"};
    return kNames[static_cast<std::size_t>(planet)];
}

std::string UsGeneralDate(const LocalDateTime& value) {
    const Date d = value.date();
    const ClockTime t = value.time();
    char text[32];
    char* out = PutNumber(text, d.month);
    *out++ = '/';
    out = PutNumber(out, d.day);
    *out++ = '/';
    out = PutNumber(out, d.year);
    if (!(t == ClockTime{})) {
        *out++ = ' ';
        out = PutNumber(out, t.hour % 12 == 0 ? 12 : t.hour % 12);
        *out++ = ':';
        out = PutNumber(out, t.minute, 2);
        *out++ = ':';
        out = PutNumber(out, t.second, 2);
        for (char c : {' ', t.hour < 12 ? 'A' : 'P', 'M'}) *out++ = c;
    }
    return std::string(text, out);
}

std::string DateOfWorkText(const Date& d) {
    const std::string_view month =
        d.month >= 1 && d.month <= kMonthsInList ? kMonthNames[d.month - 1] : std::string_view{};
    return std::string(month) + "/" + std::to_string(d.day) + "/" + std::to_string(d.year);
}

std::string TimeOfWorkText(const ClockTime& t) {
    return std::to_string(t.hour) + ":" + std::to_string(t.minute);
}

std::string CoordinateText(const Angle& c) {
    return std::to_string(c.degrees) + "\u00B0 " + std::to_string(c.minutes) + "' " +
           std::string(HemisphereLetter(c.hemisphere));
}

std::array<std::string, kResultLabels.size()> ResultTexts(const EvaluationResult& r,
                                                          const DateTimeFormatter& time) {
    return {r.name,
            DateOfWorkText(r.dateOfWork),
            TimeOfWorkText(r.timeOfWork),
            CoordinateText(r.latitude),
            CoordinateText(r.longitude),
            r.city,
            r.state,
            r.country,
            time(r.previousDaySunRise),
            time(r.previousDaySunSet),
            time(r.inputDaySunRise),
            time(r.inputDaySunSet),
            time(r.nextDaySunRise),
            time(r.nextDaySunSet),
            std::string(VerdictText(r.verdict)),
            std::string(PeriodName(r.period))};
}

std::string Text(const Message& m) {
    if (!m.date) return std::string(MessageText(m.id));
    return MessageWith(m.id, {UsGeneralDate(LocalDateTime::From(*m.date, {}))});
}

std::string CalendarEnglish::place(const EvaluationResult& r) const {
    std::string place;
    for (const std::string* part : {&r.city, &r.state, &r.country}) {
        if (part->empty()) continue;
        place += (place.empty() ? "" : ", ") + *part;
    }
    const std::string position = CoordinateText(r.latitude) + ", " + CoordinateText(r.longitude);
    return place.empty() ? position : place + " (" + position + ")";
}

std::string CalendarEnglish::calendarName(const std::string* place) const {
    return place ? "Choghadiya at " + *place : "Choghadiya";
}

std::string CalendarEnglish::coverage(bool everyPeriod, bool clearOnly, int days, const Date* first,
                                      const Date* last) const {
    std::string text = everyPeriod ? "Choghadiya periods" : "Favorable Choghadiya periods";
    if (clearOnly) text += " without an almanac mark";
    text += " of " + std::to_string(days) + (days == 1 ? " day" : " days");
    if (first) {
        text += ", " + IsoDate(*first);
        if (days > 1 && last) text += " to " + IsoDate(*last);
    }
    return text;
}

std::string CalendarEnglish::summary(const Period& p) const {
    return std::string(PeriodName(p.name)) + ": " + std::string(VerdictWord(p.verdict));
}

// "Labh is a favorable Choghadiya period at Ahmedabad, Gujarat, India: the 6th of
// the eight periods of the day, from sunrise to sunset."
std::string CalendarEnglish::description(const Period& p, Marks marks, const std::string& place,
                                         bool afterMidnight, bool beforeMidnight) const {
    static constexpr std::array<std::string_view, kPeriodsPerSpan> kOrdinals = {
        "1st", "2nd", "3rd", "4th", "5th", "6th", "7th", "8th"};
    const std::string_view article = p.verdict == Verdict::Favorable ? " is a " : " is an ";
    std::string text =
        std::string(PeriodName(p.name)) + std::string(article) +
        std::string(VerdictWord(p.verdict)) + " Choghadiya period at " + place + ": the " +
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

std::string CalendarEnglish::reminder(const Period& p, int m) const {
    const std::string minutes = std::to_string(m);
    return std::string(PeriodName(p.name)) + " (" + std::string(VerdictWord(p.verdict)) +
           ") begins " + (m == 0 ? "now" : "in " + minutes + (m == 1 ? " minute" : " minutes"));
}

}  // namespace velnora::english
