// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/script_names.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <QFile>
#include <cstdio>

#include "places/index_sources.h"

namespace velnora::places {

QStringList CountryNamesInScripts(const QString& code) {
    QStringList names;
    // A region alone, so that ICU names the country and not a language.
    const icu::Locale region("", code.toLatin1().constData());
    for (const char* language : kNameLanguages) {
        icu::UnicodeString name;
        region.getDisplayCountry(icu::Locale(language), name);
        const QString text = QString(reinterpret_cast<const QChar*>(name.getBuffer()),
                                     static_cast<qsizetype>(name.length()));
        // ICU gives the code back for a region it has no name for.
        if (!text.isEmpty() && text != code && !names.contains(text)) names.append(text);
    }
    return names;
}

bool ReadDivisionForms(const char* path, DivisionForms& names) {
    return build::ReadTable(path, [&](QStringList columns) {
        const QString code = columns.takeFirst();
        for (const QString& column : columns) {
            for (const QString& form : column.split(u'|', Qt::SkipEmptyParts)) {
                if (!names[code].contains(form)) names[code].append(form);
            }
        }
    });
}

}  // namespace velnora::places
