// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/fold.h"

#include <QStringList>
#include <algorithm>

namespace velnora::places {

namespace {

// Letters that Unicode decomposition leaves whole.
QString Spelled(QChar c) {
    switch (c.unicode()) {
        case 0x00DF:
            return QStringLiteral("ss");  // ß
        case 0x00E6:
            return QStringLiteral("ae");  // æ
        case 0x0153:
            return QStringLiteral("oe");  // œ
        case 0x00F8:
            return QStringLiteral("o");  // ø
        case 0x0111:                     // đ
        case 0x00F0:
            return QStringLiteral("d");  // ð
        case 0x0142:
            return QStringLiteral("l");  // ł
        case 0x0131:
            return QStringLiteral("i");  // dotless i
        case 0x00FE:
            return QStringLiteral("th");  // þ
        default:
            return {};
    }
}

// Apostrophes of every kind (' ’ ‘ ʼ ʻ ` ´) and full stops join the letters
// around them: "Shefar‘am" and "Shefar'am" are one word.
bool Joins(QChar c) {
    switch (c.unicode()) {
        case u'\'':
        case u'.':
        case u'`':
        case 0x00B4:  // ´
        case 0x02BB:  // ʻ
        case 0x02BC:  // ʼ
        case 0x2018:  // ‘
        case 0x2019:  // ’
            return true;
        default:
            return false;
    }
}

// Marks that the scripts of South and South-East Asia write as part of a letter
// (vowel signs, virama, anusvara) carry the word and stay; the accents of Latin,
// Greek and Cyrillic and the vowel points of Arabic and Hebrew, all before
// U+0900, are dropped as a Latin keyboard drops them. A nukta is dropped too:
// "ज़" and "ज" are typed alike.
bool KeepsMark(char16_t u) {
    if (u < 0x0900 || (u >= 0x1AB0 && u < 0x1B00) || (u >= 0x1DC0 && u < 0x1E00) ||
        (u >= 0x20D0 && u < 0x2100) || (u >= 0xFE20 && u < 0xFE30))
        return false;  // combining accents of every script
    switch (u) {
        case 0x093C:  // nukta: Devanagari, Bengali, Gurmukhi, Gujarati, Oriya, Telugu, Kannada
        case 0x09BC:
        case 0x0A3C:
        case 0x0ABC:
        case 0x0B3C:
        case 0x0C3C:
        case 0x0CBC:
            return false;
        default:
            return true;
    }
}

// Candrabindu is written for anusvara and the reverse: "साँप", "सांप".
char16_t Nasal(char16_t u) {
    if (u == 0x0901) return 0x0902;  // Devanagari
    if (u == 0x0A81) return 0x0A82;  // Gujarati
    return u;
}

}  // namespace

QString Fold(const QString& text) {
    const bool ascii =
        std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
    // The marks go before the decomposition, which would turn ´ into a blank.
    QString joined = text;
    if (!ascii) joined.removeIf(Joins);
    const QString decomposed = ascii ? text : joined.normalized(QString::NormalizationForm_KD);
    QString flat;
    flat.reserve(decomposed.size());
    for (qsizetype i = 0; i < decomposed.size(); ++i) {
        const QChar c = decomposed[i];
        const char16_t u = c.unicode();
        if (u < 0x80) {  // the common case, without Unicode tables
            if (u >= u'A' && u <= u'Z') {
                flat += QChar(u + 32);
            } else if ((u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9')) {
                flat += c;
            } else if (!Joins(c)) {
                flat += u' ';
            }
            continue;
        }
        // Letters beyond the first plane (rarer Han characters) come in two halves.
        const bool pair =
            c.isHighSurrogate() && i + 1 < decomposed.size() && decomposed[i + 1].isLowSurrogate();
        const char32_t point = pair ? QChar::surrogateToUcs4(c, decomposed[i + 1]) : u;
        if (pair) ++i;
        const QChar::Category cat = QChar::category(point);
        if (cat == QChar::Mark_NonSpacing || cat == QChar::Mark_SpacingCombining ||
            cat == QChar::Mark_Enclosing) {
            if (!pair && KeepsMark(u)) flat += QChar(Nasal(u));
            continue;
        }
        // Joiners and other invisible marks only choose a letter's shape:
        // "कोल‌काता" with a zero-width non-joiner is "कोलकाता".
        if (cat == QChar::Other_Format || Joins(c)) continue;
        const char32_t lower = QChar::toLower(point);
        if (const QString s =
                lower < 0x10000 ? Spelled(QChar(static_cast<char16_t>(lower))) : QString();
            !s.isEmpty()) {
            flat += s;
        } else if (QChar::isLetterOrNumber(lower)) {
            flat += QString::fromUcs4(&lower, 1);  // a letter of another script, as written
        } else {
            flat += u' ';
        }
    }
    QStringList words = flat.split(u' ', Qt::SkipEmptyParts);
    for (QString& w : words) {
        if (w == u"st") w = QStringLiteral("saint");
    }
    return words.join(u' ');
}

}  // namespace velnora::places
