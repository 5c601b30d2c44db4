// SPDX-License-Identifier: GPL-3.0-or-later
// The folded form in which place names are compared: what a person types on a
// Latin keyboard and what the gazetteer spells fold to the same words.
#pragma once

#include <QString>

namespace velnora::places {

// Lower case, accents dropped, punctuation read as a word break, apostrophes and
// full stops dropped inside a word, "st" read as "saint": "São Paulo" -> "sao
// paulo", "St. Louis" -> "saint louis", "Washington, D.C." -> "washington dc",
// "Winston-Salem" -> "winston salem". Words of a-z and 0-9 joined by single
// blanks; letters that have no Latin spelling are dropped.
QString Fold(const QString& text);

// True when every character of `name` can be typed on a Latin keyboard, accents
// included (Latin letters, digits, blanks and punctuation): "Bengalūru" yes,
// "बेंगलुरु" no.
bool IsLatinTypeable(const QString& name);

}  // namespace velnora::places
