// SPDX-License-Identifier: GPL-3.0-or-later
// Every window in every language the program speaks, and under a
// pseudo-translation that lengthens each text by a third between two markers:
// no control's text may be wider or taller than the place it has, and under the
// pseudo-translation every caption the user reads must carry the markers, or it
// was never marked for translation.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QPdfWriter>
#include <QTest>
#include <map>
#include <memory>

#include "doubles.h"
#include "forms/frm_display.h"
#include "forms/frm_main.h"
#include "forms/frm_periods.h"
#include "forms/frm_time_zone.h"
#include "forms/lookup_window.h"
#include "forms/print_periods.h"
#include "forms/windows.h"
#include "shell/about_form.h"
#include "shell/farewell_form.h"
#include "shell/help.h"
#include "test_language.h"
#include "ui/calendar_dialogs.h"
#include "ui/caption_frame.h"
#include "ui/language.h"
#include "ui/link_label.h"
#include "ui/look.h"
#include "ui/text_fit.h"

namespace velnora {
namespace {

using testing::child;
using testing::kClose;
using testing::kOpen;
using testing::Language;
using testing::RecordingBoxes;
using testing::RecordingOpener;
using testing::ScriptedRandom;

// The texts a control shows that come from the program's own captions, not from
// what the user typed or the evaluation computed.
QStringList Captions(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) return {label->text()};
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return {button->text()};
    if (auto* frame = qobject_cast<CaptionFrame*>(w)) return {frame->caption()};
    if (auto* box = qobject_cast<QLineEdit*>(w)) return {box->text()};
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
        return items;
    }
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
        return items;
    }
    return {};
}

bool IsNumberOrEmpty(const QString& text) {
    return std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

std::string Name(const QWidget* w) {
    return (w->window()->objectName() + u'.' +
            (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                       : w->objectName()))
        .toStdString();
}

class LanguagesTest : public ::testing::TestWithParam<const char*> {
protected:
    // Every failing control of `window`, shown as the user would see it.
    void Check(QWidget* window, const QStringList& computed = {}) {
        window->show();
        QCoreApplication::processEvents();
        const QString language = QString::fromLatin1(GetParam());
        const bool pseudo = language == QLatin1String("pseudo");
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.prepend(window);
        for (QWidget* w : widgets) {
            if (!w->isVisibleTo(window) && w != window) continue;
            for (const Overflow& o : Overflows(w)) {
                ADD_FAILURE() << GetParam() << ": " << Name(w) << " \"" << o.text.toStdString()
                              << "\" needs " << o.needed.width() << "x" << o.needed.height()
                              << " but has " << o.room.width() << "x" << o.room.height();
            }
            if (!pseudo || computed.contains(w->objectName())) continue;
            for (const QString& text : Captions(w)) {
                // The program's name and version, as in the title bar, stay as they are.
                if (IsNumberOrEmpty(text) || text == window->windowTitle()) continue;
                EXPECT_TRUE(text.startsWith(kOpen) && text.endsWith(kClose))
                    << Name(w) << " shows \"" << text.toStdString() << "\" unmarked";
            }
        }
        const QMenuBar* bar = window->findChild<QMenuBar*>();
        for (const QAction* action : bar ? bar->actions() : QList<QAction*>()) {
            if (pseudo && action->isVisible()) {
                EXPECT_TRUE(action->text().startsWith(kOpen)) << action->text().toStdString();
            }
        }
    }

    Language language_{QString::fromLatin1(GetParam())};
    RecordingBoxes boxes_;
    RecordingOpener opener_;
    Help help_{opener_};
};

TEST_P(LanguagesTest, InputAndResultWindowsFit) {
    FixedClock clock(std::chrono::sys_days{std::chrono::year{2024} / 3 / 5});
    testing::ScriptedCalendarDialogs calendarDialogs;
    testing::ScriptedPrintDialogs printDialogs;
    Windows windows(boxes_, nullptr, {clock, calendarDialogs, printDialogs, {}});
    windows.showMain();
    FrmMain* main = windows.main();
    QTest::keyClicks(child<QLineEdit>(main, "txtName"), QStringLiteral("RAM"));
    child<QComboBox>(main, "cboMonth")->setCurrentIndex(2);
    child<QComboBox>(main, "cboDate")->setCurrentIndex(4);
    auto* year = child<QComboBox>(main, "cboYear");
    year->setCurrentIndex(year->findText(QStringLiteral("2024")));
    child<QComboBox>(main, "cboHour")->setCurrentIndex(9);
    child<QComboBox>(main, "cboMinute")->setCurrentIndex(5);
    for (const auto& [name, text] : {std::pair{"txtZoneHour", "-5"},
                                     {"txtZoneMinute", "-30"},
                                     {"txtLatD", "23"},
                                     {"txtLatM", "2"},
                                     {"txtLonD", "72"},
                                     {"txtLonM", "35"},
                                     {"txtMCity", "Ahmedabad"},
                                     {"txtMState", "Gujarat"},
                                     {"txtMCountry", "India"}}) {
        QTest::keyClicks(child<QLineEdit>(main, name), QString::fromLatin1(text));
    }
    // Typed by the user, not captions.
    const QStringList typed = {QStringLiteral("txtName"), QStringLiteral("txtMCity"),
                               QStringLiteral("txtMState"), QStringLiteral("txtMCountry")};
    Check(main, typed);
    QTest::mouseClick(child<QWidget>(main, "cmdRashi"), Qt::LeftButton);
    ASSERT_NE(windows.display(), nullptr) << boxes_.texts().join(u'|').toStdString();
    QStringList values;
    for (const QLabel* label : windows.display()->findChildren<QLabel*>()) {
        // The period's name and the verdict are the program's own words.
        const QString name = label->objectName();
        if (name.startsWith(QLatin1String("lbl")) && name != QLatin1String("lblChaghodiya") &&
            name != QLatin1String("lblTimePeriod"))
            values << name;
    }
    Check(windows.display(), values);

    child<QAction>(windows.display(), "mnuPeriods")->trigger();
    ASSERT_NE(windows.periods(), nullptr);
    // The place as typed and the date as computed.
    Check(windows.periods(), {QStringLiteral("lblPlace"), QStringLiteral("lblDay")});
}

// The printed day and the weeks of March 2024 on A4 and on Letter, for a place
// whose name is longer than a line: every text fits its box, at the smallest
// size if need be.
TEST_P(LanguagesTest, PrintedPagesFit) {
    FormValues form;
    form.name = "RAM";
    form.month = 2;
    form.day = 4;
    form.year = 2024 - kFirstYear;
    form.hour = 9;
    form.minute = 5;
    form.latDegrees = "23";
    form.latMinutes = "2";
    form.lonDegrees = "72";
    form.lonMinutes = "35";
    form.zoneHour = "-5";
    form.zoneMinute = "-30";
    form.city = "Llanfairpwllgwyngyllgogerychwyrndrobwllllantysiliogogogoch Gorsaf";
    form.state = "Isle of Anglesey and the Menai Strait";
    form.country = "United Kingdom of Great Britain and Northern Ireland";
    for (const PrintRange range : {PrintRange::Day, PrintRange::Month}) {
        const PrintJob job = MakePrintJob({std::get<EvaluationInput>(ReadForm(form)), {}},
                                          {2024, 3, 5}, {range, true});
        for (const QPageSize::PageSizeId size : {QPageSize::A4, QPageSize::Letter}) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter pdf(&buffer);
            QPageLayout layout = PageLayoutFor(range);
            layout.setPageSize(QPageSize(size));
            pdf.setPageLayout(layout);
            for (const PageOverflow& o : PaintPages(pdf, job, WindowWords())) {
                ADD_FAILURE() << GetParam() << ": page " << o.page << " of "
                              << (range == PrintRange::Day ? "the day" : "the month") << " on "
                              << QPageSize(size).key().toStdString() << ": \""
                              << o.text.toStdString() << "\" needs " << o.needed.width() << "x"
                              << o.needed.height() << " pt but has " << o.room.width() << "x"
                              << o.room.height();
            }
        }
    }
}

TEST_P(LanguagesTest, CatalogueLookupAboutAndFarewellFit) {
    FrmTimeZone catalogue;
    Check(&catalogue);
    LookupWindow lookup(opener_, QDate(2024, 3, 5));
    lookup.ShowMatches(QStringLiteral("Atlantis"), places::SearchResult{});
    Check(&lookup);
    FrmAbout about(help_, nullptr);
    Check(&about);
    for (double draw : {0.1, 0.3, 0.6, 0.9}) {  // each of the four appeals
        ScriptedRandom random({draw});
        FrmFarewell farewell(boxes_, random, help_);
        Check(&farewell);
    }
}

// The order desktop programs read the environment in: LANGUAGE's list first, then
// the first of LC_ALL, LC_MESSAGES and LANG that is set; English or C ends the
// search; a language the program does not ship is passed over.
TEST(LanguageChoice, FollowsTheDesktopOrder) {
    struct Row {
        const char* name;
        std::map<std::string, QString> environment;
        QString chosen;
    };
    const Row rows[] = {
        {"nothing-set-is-english", {}, QString()},
        {"language-list-first", {{"LANGUAGE", "gu:hi"}, {"LANG", "hi_IN.UTF-8"}}, "gu"},
        {"unshipped-entry-passed-over", {{"LANGUAGE", "fr:hi"}}, "hi"},
        {"english-in-the-list-ends-it", {{"LANGUAGE", "en_GB:gu"}, {"LANG", "gu_IN"}}, QString()},
        {"lc-all-before-lang", {{"LC_ALL", "gu_IN.UTF-8"}, {"LANG", "hi_IN.UTF-8"}}, "gu"},
        {"lc-messages-before-lang", {{"LC_MESSAGES", "hi_IN@devanagari"}, {"LANG", "C"}}, "hi"},
        {"c-locale-is-english", {{"LC_ALL", "C.UTF-8"}, {"LC_MESSAGES", "gu_IN"}}, QString()},
        {"lang-alone", {{"LANG", "gu_IN.UTF-8"}}, "gu"},
        {"unshipped-locale-is-english", {{"LANG", "de_DE.UTF-8"}}, QString()},
        {"marathi", {{"LANGUAGE", "mr:hi"}}, "mr"},
        {"language-tag-with-hyphen", {{"LANGUAGE", "fr-FR:GU-IN"}}, "gu"},
    };
    for (const Row& row : rows) {
        const Environment environment = [&row](const char* name) {
            const auto found = row.environment.find(name);
            return found == row.environment.end() ? QString() : found->second;
        };
        EXPECT_EQ(ChosenLanguage(environment), row.chosen) << row.name;
    }
}

// A translation makes its language's locale the default, so the windows' dates
// and times follow it; the translator leaves with it.
TEST(LanguageChoice, InstallingSetsTheLocaleAndFallsBackToEnglish) {
    {
        Translation translation;
        ASSERT_TRUE(translation.install(QStringLiteral("gu")));
        EXPECT_EQ(QLocale().language(), QLocale::Gujarati);
        EXPECT_EQ(QCoreApplication::translate("velnora::Menus", "&File"),
                  QStringLiteral("ફાઇલ (&F)"));
        EXPECT_EQ(QCoreApplication::translate("velnora::Menus", "not a text of the program"),
                  QStringLiteral("not a text of the program"));
        EXPECT_FALSE(Translation().install(QStringLiteral("fr")));
    }
    QLocale::setDefault(QLocale::system());
    EXPECT_EQ(QCoreApplication::translate("velnora::Menus", "&File"), QStringLiteral("&File"));
}

// The farewell form's fields start with their first texts translated; one left
// as it is still counts as empty, as the English one does.
TEST(LanguageChoice, UntouchedTranslatedReferralFieldsAreRefused) {
    Translation translation;
    ASSERT_TRUE(translation.install(QStringLiteral("hi")));
    RecordingBoxes boxes;
    RecordingOpener opener;
    Help help(opener);
    ScriptedRandom random({0.5});
    FrmFarewell farewell(boxes, random, help);
    EXPECT_EQ(child<QLineEdit>(&farewell, "txtName")->text(), QStringLiteral("आपका नाम"));
    child<QLineEdit>(&farewell, "txtEmail")->setText(QStringLiteral("a@b.in"));
    child<QLineEdit>(&farewell, "txtFriendEmail")->setText(QStringLiteral("c@d.in"));
    farewell.cmdSubmit_Click();
    EXPECT_EQ(boxes.texts(), QStringList{MessageTr(MessageId::EnterYourName)});
    EXPECT_TRUE(opener.opened.isEmpty());
    QLocale::setDefault(QLocale::system());
}

std::string LanguageName(const ::testing::TestParamInfo<const char*>& language) {
    return language.param;
}

INSTANTIATE_TEST_SUITE_P(Shipped, LanguagesTest,
                         ::testing::Values("en", "hi", "gu", "mr", "pseudo"), LanguageName);

}  // namespace
}  // namespace velnora
