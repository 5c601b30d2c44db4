// SPDX-License-Identifier: GPL-3.0-or-later
// The folded form in which place names are compared: what a person types on a
// Latin keyboard or in the script of a name and what the gazetteer spells fold
// to the same words.
#pragma once

#include <QString>

namespace velnora::places {

// Lower case, accents dropped, punctuation read as a word break, apostrophes and
// full stops dropped inside a word, "st" read as "saint": "São Paulo" -> "sao
// paulo", "St. Louis" -> "saint louis", "Washington, D.C." -> "washington dc",
// "Winston-Salem" -> "winston salem". Words joined by single blanks. Letters of
// other scripts stay as written, lower case where the script has cases; the
// vowel signs of Devanagari, Gujarati and their kin stay, their nukta, zero-width
// joiners and the candrabindu/anusvara difference do not: "मुंबई" -> "मुंबई",
// "ज़िला" and "जिला" alike.
QString Fold(const QString& text);

}  // namespace velnora::places
