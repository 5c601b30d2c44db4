// SPDX-License-Identifier: GPL-3.0-or-later
// The language a window test runs in, installed for the test's life: English,
// a shipped translation, or a pseudo-translation that lengthens each text by a
// third between two markers, so that a text never marked for translation shows.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QTranslator>
#include <memory>

#include "ui/language.h"

namespace velnora::testing {

inline constexpr QChar kOpen = u'\u00AB';
inline constexpr QChar kClose = u'\u00BB';

// Each text between the markers, a third longer: its own first letters and blanks
// repeated, without access-key markers or argument places.
class PseudoTranslator final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        const QString text = QString::fromUtf8(source);
        QString extra;
        for (const QChar c : text) {
            if (extra.size() * 3 >= text.size()) break;
            if (c.isLetter() || c == u' ') extra += c;
        }
        return kOpen + text + extra + kClose;
    }
};

// The language being checked, installed for the test's life.
class Language {
public:
    explicit Language(const QString& code) {
        if (code == QLatin1String("pseudo")) {
            QCoreApplication::installTranslator(&pseudo_);
        } else if (code != QLatin1String("en")) {
            real_ = std::make_unique<Translation>();
            EXPECT_TRUE(real_->install(code)) << code.toStdString();
        }
    }
    ~Language() {
        QCoreApplication::removeTranslator(&pseudo_);
        real_.reset();
        QLocale::setDefault(QLocale::system());
    }

private:
    PseudoTranslator pseudo_;
    std::unique_ptr<Translation> real_;
};

}  // namespace velnora::testing
