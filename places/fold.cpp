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
    for (QChar c : decomposed) {
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
        const QChar::Category cat = c.category();
        if (cat == QChar::Mark_NonSpacing || cat == QChar::Mark_SpacingCombining ||
            cat == QChar::Mark_Enclosing || Joins(c)) {
            continue;
        }
        const QChar lower = c.toLower();
        if (const QString s = Spelled(lower); !s.isEmpty()) {
            flat += s;
        } else if (!lower.isLetterOrNumber()) {
            flat += u' ';
        }  // any other letter has no Latin spelling: dropped
    }
    QStringList words = flat.split(u' ', Qt::SkipEmptyParts);
    for (QString& w : words) {
        if (w == u"st") w = QStringLiteral("saint");
    }
    return words.join(u' ');
}

bool IsLatinTypeable(const QString& name) {
    return std::all_of(name.cbegin(), name.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return u < 0x0250                      // Basic Latin to Latin Extended-B
               || (u >= 0x0300 && u < 0x0370)  // combining accents
               || (u >= 0x1E00 && u < 0x1F00)  // Latin Extended Additional (Vietnamese)
               || u == 0x02BB || u == 0x02BC   // modifier letter apostrophes
               || u == 0x2018 || u == 0x2019;  // single quotation marks
    });
}

}  // namespace velnora::places
