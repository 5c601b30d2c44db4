// SPDX-License-Identifier: GPL-3.0-or-later
// The names of countries and divisions in the scripts of the windows' languages,
// which the index tool adds to the words of each: country names from the
// system's CLDR data through ICU, India's states (and the divisions whose
// listed name is not what people type) from a table of the project.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace velnora::places {

// The languages whose country and division names the index reads: Hindi,
// Marathi and Gujarati.
inline constexpr const char* kNameLanguages[] = {"hi", "mr", "gu"};

// The country's name in each of kNameLanguages ("भारत", "ભારત" for "IN"), as
// ICU's CLDR data gives it, each once; none for a code it does not know.
QStringList CountryNamesInScripts(const QString& code);

// Division code -> the names people type beside the division list's own:
// "IN.09" -> {"गुजरात", "ગુજરાત"}, "US.DC" -> {"District of Columbia"}.
using DivisionForms = QHash<QString, QStringList>;

// "code<TAB>names<TAB>names..." lines, each column one language's forms separated
// by '|', as code -> all the names. False, with a message, when the file cannot
// be read.
bool ReadDivisionForms(const char* path, DivisionForms& names);

}  // namespace velnora::places
