// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' language. At start-up, before the first window, the program picks
// the user's language the way desktop programs do: the colon list in LANGUAGE,
// then the first of LC_ALL, LC_MESSAGES and LANG that is set. The first entry that
// names English, the C locale or a language the program ships decides; English is
// the default. A shipped language installs its translation and that of the Qt
// dialogs the windows open (both built into the program) and makes that language's locale the
// default, so QLocale() formats the windows' dates and times by its conventions.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <functional>

namespace velnora {

// The languages whose translations the program carries, by ISO 639-1 code.
QStringList ShippedLanguages();

// A variable of the environment by name; empty when unset.
using Environment = std::function<QString(const char* name)>;
Environment ProcessEnvironment();

// The shipped language the environment asks for, or an empty text for English.
QString ChosenLanguage(const Environment& environment);

// Owns the program's translator. Install once, before the first window is made.
class Translation {
public:
    Translation() = default;
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;
    ~Translation();

    // Loads and installs the translation of `language` (a shipped code) and makes
    // its locale the default. False, and English kept, when it cannot be loaded.
    bool install(const QString& language);

private:
    QTranslator translator_;
    // Qt's own texts in its dialogs: the file dialog, the input dialog, printing.
    QTranslator qtTranslator_;
    bool installed_ = false;
};

}  // namespace velnora
