// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/language.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

namespace velnora {

namespace {

// "gu_IN.UTF-8@latin" -> "gu"; "C.UTF-8" and "POSIX" -> "C".
QString LanguageCode(QString entry) {
    entry = entry.trimmed();
    const auto cut = std::find_if(entry.cbegin(), entry.cend(), [](QChar c) {
        return c == u'_' || c == u'.' || c == u'@' || c == u'-';
    });
    entry.truncate(cut - entry.cbegin());
    if (entry == QLatin1String("POSIX")) return QStringLiteral("C");
    return entry == QLatin1String("C") ? entry : entry.toLower();
}

}  // namespace

QStringList ShippedLanguages() {
    return {QStringLiteral("hi"), QStringLiteral("gu"), QStringLiteral("mr")};
}

Environment ProcessEnvironment() {
    return [](const char* name) { return qEnvironmentVariable(name); };
}

QString ChosenLanguage(const Environment& environment) {
    QStringList entries = environment("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = environment(name);
        if (!value.isEmpty()) {
            entries << value;
            break;
        }
    }
    const QStringList shipped = ShippedLanguages();
    for (const QString& entry : entries) {
        QString code = LanguageCode(entry);
        if (code == QLatin1String("C") || code == QLatin1String("en")) return {};
        if (shipped.contains(code)) return code;
    }
    return {};
}

Translation::~Translation() {
    if (!installed_) return;
    QCoreApplication::removeTranslator(&translator_);
    QCoreApplication::removeTranslator(&qtTranslator_);
}

bool Translation::install(const QString& language) {
    if (installed_ || !ShippedLanguages().contains(language)) return false;
    if (!translator_.load(QStringLiteral(":/i18n/velnora_") + language)) return false;
    if (!qtTranslator_.load(QStringLiteral(":/i18n/qtbase_") + language)) return false;
    installed_ = QCoreApplication::installTranslator(&qtTranslator_) &&
                 QCoreApplication::installTranslator(&translator_);
    // These languages are read most in India; its forms put the day first.
    if (installed_) QLocale::setDefault(QLocale(language + QStringLiteral("_IN")));
    return installed_;
}

}  // namespace velnora
