// SPDX-License-Identifier: GPL-3.0-or-later
// The input window on its own: initial contents, keystroke filters, the checks
// of "&Proceed" and of the coordinate lookup, menus and accessible names.
#include <QAbstractItemView>
#include <QAccessible>
#include <QButtonGroup>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalSpy>

#include "forms_test_support.h"
#include "ui/addresses.h"

namespace velnora::test {
namespace {

using MainForm = WindowsFixture;

TEST_F(MainForm, LoadsWithEmptyFieldsAndFirstListEntries) {
    EXPECT_EQ(main()->windowTitle(), "Velnora v1.15");
    struct List {
        const char* name;
        int count;
        const char *first, *last;
    };
    for (const List l :
         {List{"cboMonth", 12, "January", "December"}, List{"cboDate", 31, "1", "31"},
          List{"cboYear", 150, "1901", "2050"}, List{"cboHour", 24, "0", "23"},
          List{"cboMinute", 60, "0", "59"}, List{"cboSecond", 60, "0", "59"}}) {
        QComboBox* box = list(l.name);
        EXPECT_FALSE(box->isEditable()) << l.name;
        EXPECT_EQ(box->count(), l.count) << l.name;
        EXPECT_EQ(box->currentIndex(), 0) << l.name;
        EXPECT_EQ(box->itemText(0), l.first) << l.name;
        EXPECT_EQ(box->itemText(l.count - 1), l.last) << l.name;
    }
    for (const char* name : {"txtName", "txtZoneHour", "txtZoneMinute", "txtLatD", "txtLatM",
                             "txtLonD", "txtLonM", "txtMCity", "txtMState", "txtMCountry"}) {
        EXPECT_EQ(box(name)->text(), "") << name;
    }
    EXPECT_TRUE(child<QRadioButton>(main(), "optLat_0")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(main(), "optLong_0")->isChecked());
    EXPECT_EQ(child<QButtonGroup>(main(), "optLat")->checkedId(), 0);
    EXPECT_EQ(main()->focusWidget(), box("txtName"));
}

struct Typing {
    const char* row;
    const char* box;
    QString keys;  // typed one by one; '\b' is Backspace, '\r' is Enter
    const char* expected;
    std::vector<Shown> messages;
};

const Shown kOnlyNumbers{"Only Numbers Are Accepted", Icon::Critical};
const Shown kOnlyLetters{"Please Enter only Letters", Icon::Information};

TEST_F(MainForm, KeystrokeFiltersActBeforeEachCharacterIsInserted) {
    const std::vector<Typing> rows = {
        {"name-letters-become-capitals", "txtName", "ram k", "RAM K", {}},
        {"name-refuses-digit-and-stop", "txtName", "a1.b", "AB", {kOnlyLetters, kOnlyLetters}},
        {"name-refuses-accented-letter", "txtName", QStringLiteral("\u00e9"), "", {kOnlyLetters}},
        {"name-backspace", "txtName", "ab\b", "A", {}},
        {"name-enter-passes", "txtName", "a\r", "A", {}},
        {"zone-hour-takes-minus", "txtZoneHour", "-5", "-5", {}},
        {"zone-hour-refuses-plus", "txtZoneHour", "+5", "5", {kOnlyNumbers}},
        {"zone-minute-refuses-minus", "txtZoneMinute", "-30", "30", {kOnlyNumbers}},
        {"digit-refuses-letter", "txtLonM", "3x5", "35", {kOnlyNumbers}},
        {"digit-refuses-blank", "txtLatD", " 2", "2", {kOnlyNumbers}},
        {"digit-refuses-enter", "txtLatM", "\r", "", {kOnlyNumbers}},
        {"latitude-degrees-take-two-silently", "txtLatD", "123", "12", {}},
        {"latitude-minutes-take-two-silently", "txtLatM", "599", "59", {}},
        {"longitude-degrees-take-three", "txtLonD", "1234", "123", {}},
        {"longitude-minutes-take-two-silently", "txtLonM", "100", "10", {}},
        {"full-box-still-refuses-letter", "txtLatD", "12a", "12", {kOnlyNumbers}},
        {"backspace-in-full-box", "txtLonD", "179\b\b", "1", {}},
        {"backspace-in-zone-minute", "txtZoneMinute", "3\b", "", {}},
        {"place-boxes-are-not-filtered", "txtMCity", "Pune 411", "Pune 411", {}},
    };
    for (const Typing& row : rows) {
        QLineEdit* target = box(row.box);
        target->clear();
        boxes.shown.clear();
        for (const QChar c : row.keys) {
            if (c == u'\b')
                QTest::keyClick(target, Qt::Key_Backspace);
            else if (c == u'\r')
                QTest::keyClick(target, Qt::Key_Return);
            else if (c.unicode() > 127)
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), {});
            else
                QTest::keyClicks(target, QString(c));
        }
        EXPECT_EQ(target->text(), row.expected) << row.row;
        EXPECT_EQ(boxes.shown, row.messages) << row.row;
    }
}

// A dead key or an input method composes first and then commits its text in one
// input-method event; each committed character meets the box's rule as if typed.
TEST_F(MainForm, ComposedTextMeetsTheSameFilters) {
    struct Composing {
        const char* row;
        const char* box;
        const char* typed;  // typed before the composition
        QString committed;
        const char* expected;
        std::vector<Shown> messages;
    };
    const std::vector<Composing> rows = {
        {"dead-acute-e-in-name", "txtName", "ra", QStringLiteral("\u00e9"), "RA", {kOnlyLetters}},
        {"dead-acute-e-in-digit-box",
         "txtLatD",
         "2",
         QStringLiteral("\u00e9"),
         "2",
         {kOnlyNumbers}},
        {"letters-committed-at-once-become-capitals", "txtName", "", "ram k", "RAM K", {}},
        {"each-refused-character-has-its-message",
         "txtName",
         "",
         "a1.b",
         "AB",
         {kOnlyLetters, kOnlyLetters}},
        {"digits-from-another-script",
         "txtLonD",
         "",
         QStringLiteral("\u0661\u0662"),
         "",
         {kOnlyNumbers, kOnlyNumbers}},
        {"zone-hour-takes-minus", "txtZoneHour", "", "-5", "-5", {}},
        {"zone-minute-refuses-minus", "txtZoneMinute", "", "-30", "30", {kOnlyNumbers}},
        {"length-limit-still-holds", "txtLatD", "1", "234", "12", {}},
        {"place-boxes-are-not-filtered",
         "txtMCity",
         "",
         QStringLiteral("S\u00e3o"),
         "S\u00e3o",
         {}},
    };
    for (const Composing& row : rows) {
        QLineEdit* target = box(row.box);
        target->clear();
        type(row.box, QString::fromUtf8(row.typed));
        boxes.shown.clear();
        QInputMethodEvent composing(QStringLiteral("\u00b4"), {});
        QCoreApplication::sendEvent(target, &composing);
        EXPECT_TRUE(boxes.shown.empty()) << row.row << ": the composition is not yet text";
        QInputMethodEvent commit;
        commit.setCommitString(row.committed);
        QCoreApplication::sendEvent(target, &commit);
        EXPECT_EQ(target->text(), QString::fromUtf8(row.expected)) << row.row;
        EXPECT_EQ(boxes.shown, row.messages) << row.row;
    }
}

TEST_F(MainForm, ProgramSetTextAndShortcutsAreNotFiltered) {
    box("txtZoneMinute")->setText("-30");
    EXPECT_EQ(box("txtZoneMinute")->text(), "-30");
    type("txtLatD", "12");
    QTest::keyClick(box("txtLatD"), Qt::Key_A, Qt::ControlModifier);  // select all
    QTest::keyClick(box("txtLatD"), Qt::Key_Tab);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(box("txtLatD")->text(), "12");
}

struct Check {
    const char* row;
    std::function<void(MainForm&)> change;  // applied to the complete example
    Shown message;
    const char* focus;  // nullptr: the focus stays where it was
};

// The texts and the order of the checks belong to the workflow's suite; here each
// row reaches a different field, or none, and the window must show the box with
// its icon and put the focus there.
TEST_F(MainForm, ProceedShowsARefusalAndMovesTheFocusToItsField) {
    auto set = [](const char* name, const char* text) {
        return [=](MainForm& f) { f.box(name)->setText(text); };
    };
    const std::vector<Check> rows = {
        {"blank-name", set("txtName", "   "), {"Please Enter Name", Icon::Critical}, "txtName"},
        {"longitude-180",
         set("txtLonD", "180"),
         {"Please Enter Value Between 0 And 179 in the Degree of Longitude", Icon::Critical},
         "txtLonD"},
        {"longitude-minutes-60",
         set("txtLonM", "60"),
         {"Please Enter Value Between 0 And 59 in the  Minute of Longitude", Icon::Critical},
         "txtLonM"},
        {"latitude-90",
         set("txtLatD", "90"),
         {"Please Enter Value Between 0 And 89 in the Degree of Latitude", Icon::Critical},
         "txtLatD"},
        {"latitude-minutes-empty",
         set("txtLatM", ""),
         {"Please Enter Value Between 0 And 59 in the  Minute of Latitude", Icon::Critical},
         "txtLatM"},
        {"31-april",
         [](MainForm& f) {
             f.pick("cboMonth", "April");
             f.pick("cboDate", "31");
         },
         {"Please Enter Correct Date Of Work", Icon::Information},
         nullptr},
        {"empty-zone-hour",
         set("txtZoneHour", ""),
         {"Please Enter Time Zone", Icon::Critical},
         "txtZoneHour"},
        {"polar-night",
         [](MainForm& f) {
             f.pick("cboMonth", "December");
             f.pick("cboDate", "21");
             f.box("txtLatD")->setText("80");
         },
         {"Sun Does Not Rise Or Set At This Place Around This Date", Icon::Information},
         nullptr},
    };
    for (const Check& row : rows) {
        windows.main()->close();
        FinishUnloading();
        windows.showMain();
        enterExample();
        row.change(*this);
        boxes.shown.clear();
        click(main(), "cmdRashi");
        EXPECT_EQ(boxes.shown, std::vector<Shown>{row.message}) << row.row;
        // Without a field to go to, the focus stays on the button just pressed.
        QWidget* expectedFocus = row.focus ? box(row.focus) : child<QWidget>(main(), "cmdRashi");
        EXPECT_EQ(main()->focusWidget(), expectedFocus) << row.row;
        EXPECT_EQ(windows.display(), nullptr) << row.row;
        EXPECT_TRUE(main()->isVisible()) << row.row;
    }
}

TEST_F(MainForm, LookupChecksThePlaceThenSearchesForIt) {
    struct Lookup {
        const char* row;
        const char *city, *state, *country;
        std::vector<Shown> messages;
        const char* focus;
    };
    const std::vector<Lookup> rows = {
        {"no-city",
         "",
         "Maharashtra",
         "India",
         {{"Please Enter City", Icon::Information}},
         "txtMCity"},
        {"no-state", "Pune", "", "India", {{"Please Enter State", Icon::Information}}, "txtMState"},
        {"no-country",
         "Pune",
         "Maharashtra",
         "",
         {{"Please Enter Country", Icon::Information}},
         "txtMCountry"},
        {"blank-city-counts", " ", "Maharashtra", "India", {}, nullptr},
    };
    for (const Lookup& row : rows) {
        boxes.shown.clear();
        lookups.clear();
        box("txtMCity")->setText(row.city);
        box("txtMState")->setText(row.state);
        box("txtMCountry")->setText(row.country);
        click(main(), "cmdBrowser");
        EXPECT_EQ(boxes.shown, row.messages) << row.row;
        EXPECT_EQ(main()->focusWidget(),
                  row.focus ? box(row.focus) : child<QWidget>(main(), "cmdBrowser"))
            << row.row;
        EXPECT_EQ(lookups.size(), row.messages.empty() ? 1u : 0u) << row.row;
    }

    lookups.clear();
    box("txtMCity")->setText("Pune");
    box("txtMState")->setText("Maharashtra");
    box("txtMCountry")->setText("India");
    click(main(), "cmdBrowser");
    ASSERT_EQ(lookups.size(), 1u);
    EXPECT_EQ(lookups[0].searchText, "Pune Maharashtra India Latitude Longitude");
    EXPECT_EQ(lookups[0].siteAddress, address::kProgramHomePage);
    EXPECT_EQ(box("txtLatD")->text(), "");
    EXPECT_EQ(box("txtLonD")->text(), "");
}

TEST_F(MainForm, MenuBarHoldsEveryEntryInOrder) {
    QMenuBar* bar = main()->menuBar();
    QStringList top;
    for (QAction* a : bar->actions()) top << a->text();
    EXPECT_EQ(top, QStringList({"&File", "P&lan", "&Help", "&Donate", "Make Money &Online"}));
    EXPECT_EQ(child<QAction>(main(), "mnuDonate")->menu(), nullptr) << "a command on the bar";
    EXPECT_FALSE(child<QAction>(main(), "mkmoney")->isVisible());
    EXPECT_FALSE(child<QAction>(main(), "mkmoney")->isEnabled());

    QStringList help;
    for (QAction* a : bar->actions()[2]->menu()->actions())
        help << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(help, QStringList({"&Online Help", "&Visit Us Online", "-",
                                 "Check for Software &Update", "-", "&About Software"}));
    QStringList file;
    for (QAction* a : bar->actions()[0]->menu()->actions()) file << a->objectName();
    EXPECT_EQ(file, QStringList({"mnuNext", "mnuExit"}));
    QStringList plan;
    for (QAction* a : bar->actions()[1]->menu()->actions()) plan << a->objectName();
    EXPECT_EQ(plan, QStringList({"mnuPeriods", "mnuCalendar"}));
    EXPECT_EQ(child<QAction>(main(), "mnuPeriods")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
}

TEST_F(MainForm, InputsAndGroupsAnnounceTheirNames) {
    // As a screen reader asks: a list by its own name, not by its current entry,
    // and a frame as a named group, not as a window of its own.
    struct Row {
        const char* name;
        const char* accessible;
        QAccessible::Role role;
    };
    const Row rows[] = {
        {"txtName", "Enter Your Name", QAccessible::EditableText},
        {"cboMonth", "Month of Work", QAccessible::ComboBox},
        {"cboDate", "Day of Work", QAccessible::ComboBox},
        {"cboYear", "Year of Work", QAccessible::ComboBox},
        {"cboHour", "Hour of Work", QAccessible::ComboBox},
        {"cboMinute", "Minute of Work", QAccessible::ComboBox},
        {"cboSecond", "Second of Work", QAccessible::ComboBox},
        {"txtZoneHour", "Time Zone Hour", QAccessible::EditableText},
        {"txtZoneMinute", "Time Zone Minute", QAccessible::EditableText},
        {"txtLatD", "Latitude Degrees", QAccessible::EditableText},
        {"txtLatM", "Latitude Minutes", QAccessible::EditableText},
        {"txtLonD", "Longitude Degrees", QAccessible::EditableText},
        {"txtLonM", "Longitude Minutes", QAccessible::EditableText},
        {"optLat_0", "North", QAccessible::RadioButton},
        {"optLat_1", "South", QAccessible::RadioButton},
        {"optLong_0", "East", QAccessible::RadioButton},
        {"optLong_1", "West", QAccessible::RadioButton},
        {"txtMCity", "Enter Your City Name", QAccessible::EditableText},
        {"txtMState", "Enter Your State Name", QAccessible::EditableText},
        {"txtMCountry", "Enter Your Country Name", QAccessible::EditableText},
        {"cmdBrowser", "Click Here To Find Latitude & Longitude", QAccessible::Button},
        {"cmdRashi", "Proceed", QAccessible::Button},
        {"Frame2", "Forum", QAccessible::Grouping},
        {"Frame1", "Your Details and the Time of Work", QAccessible::Grouping},
        {"fraZone", "Enter Your Time Zone", QAccessible::Grouping},
        {"Frame3", "Enter Latitude", QAccessible::Grouping},
        {"Frame4", "Enter Longitude", QAccessible::Grouping},
        {"Frame5", "Offers", QAccessible::Grouping},
    };
    child<QComboBox>(main(), "cboMonth")->setCurrentIndex(2);
    for (const Row& row : rows) {
        QAccessibleInterface* a =
            QAccessible::queryAccessibleInterface(child<QWidget>(main(), row.name));
        ASSERT_NE(a, nullptr) << row.name;
        EXPECT_EQ(a->text(QAccessible::Name), row.accessible) << row.name;
        EXPECT_EQ(a->role(), row.role) << row.name;
    }
    // The value is the current entry, also where the list of entries that a screen
    // reader reaches marks it, and it stays marked as the entry changes.
    auto* combo = child<QComboBox>(main(), "cboMonth");
    QAccessibleInterface* month = QAccessible::queryAccessibleInterface(combo);
    EXPECT_EQ(month->text(QAccessible::Value), "March");
    QAbstractItemView* entries = combo->view();
    EXPECT_EQ(month->child(0)->object(), entries);
    for (const int row : {2, 4}) {
        combo->setCurrentIndex(row);
        EXPECT_EQ(entries->currentIndex().row(), row);
        EXPECT_TRUE(entries->selectionModel()->isRowSelected(row, {}));
    }
}

TEST_F(MainForm, TabWalksTheRowsInOrder) {
    // The rows first, "TZ Help" after the zone it fills, the banners' links last:
    // of the two promotions only the one in front.
    const char* order[] = {
        "txtName",     "cboMonth",   "cboDate",     "cboYear",       "cboHour",
        "cboMinute",   "cboSecond",  "txtZoneHour", "txtZoneMinute", "lblTZHelp",
        "txtLatD",     "txtLatM",    "optLat_0",    "optLat_1",      "txtLonD",
        "txtLonM",     "optLong_0",  "optLong_1",   "txtMCity",      "txtMState",
        "txtMCountry", "cmdBrowser", "cmdRashi",    "Label61",       "lblFullBrand"};
    QStringList expected;
    for (const char* name : order) expected << name;
    // The walk comes back to txtName after the last stop: there is no other.
    const QStringList walked = TabStops(box("txtName"), expected.size() + 1);
    EXPECT_EQ(walked, expected);
}

}  // namespace
}  // namespace velnora::test
