// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/lookup_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <memory>
#include <stdexcept>

#include "forms/frm_main.h"
#include "forms/gazetteer_lookup.h"
#include "support/test_support.h"
#include "ui/language.h"
#include "ui/link_opener.h"
#include "ui/load_order.h"

namespace velnora {
namespace {

using testing::child;
using testing::RecordingBoxes;
using testing::RecordingOpener;

// The one "Find Latitude & Longitude" window, or a loud failure.
LookupWindow* ShownLookupWindow() {
    LookupWindow* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == u"frmLookup") {
            if (found) throw std::runtime_error("two lookup windows");
            found = qobject_cast<LookupWindow*>(w);
        }
    }
    if (!found) throw std::runtime_error("no lookup window");
    return found;
}

// The index built from the committed excerpt of the dump.
places::SearchResult SearchExcerpt(const QString& text) {
    static const std::unique_ptr<places::Gazetteer> g =
        places::Gazetteer::Open(QStringLiteral(VELNORA_EXCERPT_INDEX));
    if (!g) throw std::runtime_error("no excerpt index");
    return g->Search(text, kMostPlaces);
}

// A lookup from a form whose date of work is in March 2026.
const LookupContext kMarch2026{QDate(2026, 3, 1)};

class LookupWindowTest : public ::testing::Test {
protected:
    void TearDown() override {
        // Only windows nobody owns: a list's popup is a window too, but its list deletes it.
        QList<QPointer<QWidget>> windows;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->parentWidget()) windows.append(w);
        }
        for (const QPointer<QWidget>& w : windows) delete w.data();
    }

    GazetteerLookup Lookup(GazetteerLookup::Finder find = SearchExcerpt) {
        return GazetteerLookup(links, loaded, slot, std::move(find));
    }

    RecordingOpener links;
    LoadOrder loaded;
    LookupWindowSlot slot;
    std::vector<QUrl>& opened = links.urls;
};

QString Cell(QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QStringLiteral("<no cell>");
}

TEST_F(LookupWindowTest, PuneFromTheFormComesFirstWithTheFormsValues) {
    GazetteerLookup lookup = Lookup();
    const int shown = lookup.Lookup(QStringLiteral("Pune Maharashtra India Latitude Longitude"),
                                    QStringLiteral("https://velnora.example/"), kMarch2026);

    LookupWindow* window = ShownLookupWindow();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), u"Find Latitude & Longitude");
    EXPECT_FALSE(window->isModal());
    auto* list = child<QTableWidget>(window, "lstPlaces");
    EXPECT_GE(shown, 1);
    EXPECT_EQ(list->rowCount(), shown);
    EXPECT_EQ(Cell(list, 0, LookupWindow::kCity), u"Pune");
    EXPECT_EQ(Cell(list, 0, LookupWindow::kState), u"Maharashtra");
    EXPECT_EQ(Cell(list, 0, LookupWindow::kCountry), u"India");
    EXPECT_EQ(Cell(list, 0, LookupWindow::kLatitude), u"18° 31' N");
    EXPECT_EQ(Cell(list, 0, LookupWindow::kLongitude), u"73° 51' E");
    EXPECT_EQ(Cell(list, 0, LookupWindow::kZone), u"Asia/Kolkata");
    EXPECT_EQ(Cell(list, 0, LookupWindow::kOffset), u"hours -5, minutes 30");  // as typed
    EXPECT_EQ(Cell(list, 0, LookupWindow::kDaylight), u"none");
    EXPECT_EQ(Cell(list, 0, LookupWindow::kDaylightPeriod), u"none");
    EXPECT_FALSE(child<QLabel>(window, "lblNoMatch")->isVisible());
    EXPECT_TRUE(child<QLabel>(window, "lblConvention")
                    ->text()
                    .contains(u"hours -5, minutes 30: 5 h 30 min ahead of Greenwich"));
    EXPECT_TRUE(child<QLabel>(window, "lblCredit")->text().contains(u"GeoNames"));
    EXPECT_TRUE(child<QLabel>(window, "lblCredit")->text().contains(u"CC BY 4.0"));
    EXPECT_TRUE(opened.empty());
}

TEST_F(LookupWindowTest, FitsItsColumnsClosesOnEscapeAndTabReachesTheButtons) {
    GazetteerLookup lookup = Lookup();
    lookup.Lookup(QStringLiteral("Pune Maharashtra India Latitude Longitude"), QString(),
                  kMarch2026);
    LookupWindow* window = ShownLookupWindow();
    auto* list = child<QTableWidget>(window, "lstPlaces");
    EXPECT_LE(window->width(), window->screen()->availableGeometry().width() * 3 / 4);
    EXPECT_LE(window->width(), list->horizontalHeader()->length() + 200);  // no wider than needed

    list->setFocus();
    list->setCurrentCell(0, LookupWindow::kCity);
    QTest::keyClick(list, Qt::Key_Tab);
    EXPECT_TRUE(qobject_cast<QPushButton*>(window->focusWidget()))
        << (window->focusWidget() ? window->focusWidget()->objectName().toStdString() : "no focus");

    const QPointer<LookupWindow> open = window;
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_TRUE(open.isNull() || !open->isVisible());
}

TEST_F(LookupWindowTest, DaylightZoneShowsBothOffsetsAndTheirDatesAndNoMoreThanTwentyRows) {
    GazetteerLookup lookup = Lookup();
    lookup.Lookup(QStringLiteral("New York New York United States Latitude Longitude"), QString(),
                  kMarch2026);
    auto* list = child<QTableWidget>(ShownLookupWindow(), "lstPlaces");
    EXPECT_EQ(Cell(list, 0, LookupWindow::kCity), u"New York (New York City)");
    EXPECT_EQ(Cell(list, 0, LookupWindow::kLatitude), u"40° 43' N");
    EXPECT_EQ(Cell(list, 0, LookupWindow::kLongitude), u"74° 0' W");
    EXPECT_EQ(Cell(list, 0, LookupWindow::kOffset), u"hours 5, minutes 0");
    EXPECT_EQ(Cell(list, 0, LookupWindow::kDaylight), u"hours 4, minutes 0");
    EXPECT_EQ(Cell(list, 0, LookupWindow::kDaylightPeriod), u"8 March to 1 November 2026");

    GazetteerLookup many = Lookup([](const QString& text) {
        places::SearchResult r = SearchExcerpt(text);
        while (r.places.size() < kMostPlaces + 5) r.places.append(r.places.front());
        return r;
    });
    many.Lookup(QStringLiteral("Pune"), QString(), kMarch2026);
    list = child<QTableWidget>(ShownLookupWindow(), "lstPlaces");  // the same window, refilled
    EXPECT_EQ(list->rowCount(), kMostPlaces);
}

TEST_F(LookupWindowTest, EnterOnARowCopiesItsValuesAsTheFormTakesThem) {
    GazetteerLookup lookup = Lookup();
    lookup.Lookup(QStringLiteral("Washington DC USA Latitude Longitude"), QString(), kMarch2026);
    LookupWindow* window = ShownLookupWindow();
    auto* list = child<QTableWidget>(window, "lstPlaces");
    list->setCurrentCell(0, LookupWindow::kZone);
    QTest::keyClick(list, Qt::Key_Return);
    const QString copied = QStringLiteral(
        "Latitude 38 54 North, Longitude 77 2 West, Zone hours 5 minutes 0 (daylight saving time: "
        "hours 4 "
        "minutes 0)");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), copied);
    auto* said = child<QLabel>(window, "lblCopied");
    EXPECT_TRUE(said->isVisible());
    EXPECT_TRUE(said->text().contains(copied));
}

TEST_F(LookupWindowTest, SaysWhenTheStateOrCountryFitsNoneAndOffersANearName) {
    GazetteerLookup lookup = Lookup();
    lookup.Lookup(QStringLiteral("Pune Queensland Australia Latitude Longitude"), QString(),
                  kMarch2026);
    LookupWindow* window = ShownLookupWindow();
    EXPECT_TRUE(child<QLabel>(window, "lblSearch")
                    ->text()
                    .contains(u"There are places named \u201Cpune\u201D, but none in "
                              u"\u201Caustralia\u201D"));
    EXPECT_EQ(Cell(child<QTableWidget>(window, "lstPlaces"), 0, LookupWindow::kCity), u"Pune");

    lookup.Lookup(QStringLiteral("Banglore Karnataka India Latitude Longitude"), QString(),
                  kMarch2026);
    EXPECT_TRUE(child<QLabel>(window, "lblSearch")
                    ->text()
                    .contains(u"did you mean Bangalore (Bengaluru), Karnataka, India?"));
}

TEST_F(LookupWindowTest, SelectedValuesCanBeCopied) {
    GazetteerLookup lookup = Lookup();
    lookup.Lookup(QStringLiteral("Pune Maharashtra India Latitude Longitude"), QString(),
                  kMarch2026);
    LookupWindow* window = ShownLookupWindow();
    auto* list = child<QTableWidget>(window, "lstPlaces");
    list->clearSelection();
    list->setRangeSelected(
        QTableWidgetSelectionRange(0, LookupWindow::kLatitude, 0, LookupWindow::kLongitude), true);
    child<QAction>(window, "mnuCopy")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"18° 31' N\t73° 51' E");
}

TEST_F(LookupWindowTest, SearchTheWebOpensTheEncodedSearchThroughTheSeam) {
    GazetteerLookup lookup = Lookup();
    lookup.Lookup(QStringLiteral("São Paulo SP Brasil Latitude Longitude"), QString(), kMarch2026);
    QTest::mouseClick(child<QPushButton>(ShownLookupWindow(), "cmdSearchWeb"), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened.front(),
              WebSearchAddress(QStringLiteral("São Paulo SP Brasil Latitude Longitude")));
    EXPECT_TRUE(opened.front().toEncoded().endsWith(
        "q=S%C3%A3o%20Paulo%20SP%20Brasil%20Latitude%20Longitude"));
}

TEST_F(LookupWindowTest, NoMatchSaysSoAndOffersTheWebSearch) {
    GazetteerLookup lookup = Lookup();
    EXPECT_EQ(lookup.Lookup(QStringLiteral("Xqzvbnt Nowhere Atlantis Latitude Longitude"),
                            QString(), kMarch2026),
              0);
    LookupWindow* window = ShownLookupWindow();
    auto* message = child<QLabel>(window, "lblNoMatch");
    EXPECT_TRUE(message->isVisible());
    EXPECT_TRUE(message->text().contains(u"Xqzvbnt Nowhere Atlantis"));
    EXPECT_FALSE(child<QTableWidget>(window, "lstPlaces")->isVisible());
    auto* web = child<QPushButton>(window, "cmdSearchWeb");
    EXPECT_TRUE(web->isDefault());
    QTest::mouseClick(web, Qt::LeftButton);
    EXPECT_EQ(opened.size(), 1u);
}

TEST_F(LookupWindowTest, AnUnusableListOfPlacesIsShownInTheWindow) {
    using Kind = places::IndexProblem::Kind;
    const std::pair<places::IndexProblem, const char16_t*> problems[] = {
        {{Kind::Damaged, "/x/gazetteer.idx", {}},
         u"The list of places /x/gazetteer.idx is damaged. Search the Web"},
        {{Kind::Unreadable, "/x/gazetteer.idx", {}},
         u"The list of places /x/gazetteer.idx cannot be read. Search the Web"},
        {{Kind::NotInstalled, QString(), {"/a/g.idx", "/b/g.idx"}},
         u"The list of places is not installed (looked for /a/g.idx, /b/g.idx). Search the Web"},
    };
    for (const auto& [problem, said] : problems) {
        GazetteerLookup lookup =
            Lookup([why = problem](const QString&) -> GazetteerLookup::Found { return why; });
        EXPECT_EQ(lookup.Lookup(QStringLiteral("Pune Maharashtra India Latitude Longitude"),
                                QString(), kMarch2026),
                  0);
        auto* message = child<QLabel>(ShownLookupWindow(), "lblNoMatch");
        EXPECT_TRUE(message->isVisible());
        EXPECT_TRUE(message->text().contains(QString::fromUtf16(said)))
            << message->text().toStdString();
    }
}

// A division's largest place in a zone whose daylight saving time spans the turn
// of the year, as the search would return it.
places::SearchResult Cariacica() {
    places::Place p;
    p.city = QStringLiteral("Vitória");
    p.standsFor = QStringLiteral("Cariacica");
    p.state = QStringLiteral("Espírito Santo");
    p.country = QStringLiteral("Brazil");
    p.timeZoneId = QStringLiteral("Australia/Adelaide");
    p.latitude = -20.32;
    p.longitude = -40.34;
    places::SearchResult found;
    found.outcome = places::SearchOutcome::NearMiss;
    found.places = {p};
    return found;
}

TEST_F(LookupWindowTest, ThePlacesWordsAndDatesAreInTheWindowsLanguage) {
    LookupWindow english(links, QDate(2026, 3, 1));
    english.ShowMatches(QStringLiteral("Cariacia"), Cariacica());
    auto* list = child<QTableWidget>(&english, "lstPlaces");
    EXPECT_EQ(Cell(list, 0, LookupWindow::kCity),
              u"Cariacica: the district's largest place, Vitória");
    EXPECT_EQ(Cell(list, 0, LookupWindow::kLatitude), u"20° 19' S");
    EXPECT_EQ(Cell(list, 0, LookupWindow::kDaylightPeriod),
              u"until 5 April and from 4 October 2026");
    EXPECT_TRUE(child<QLabel>(&english, "lblSearch")
                    ->text()
                    .contains(u"did you mean Cariacica: the district's largest place, Vitória, "
                              u"Espírito Santo, Brazil?"));
    const QStringList englishCells = {
        Cell(list, 0, LookupWindow::kCity), Cell(list, 0, LookupWindow::kLatitude),
        Cell(list, 0, LookupWindow::kLongitude), Cell(list, 0, LookupWindow::kDaylightPeriod)};

    for (const char* language : {"hi", "gu"}) {
        Translation translation;
        ASSERT_TRUE(translation.install(QString::fromLatin1(language)));
        LookupWindow translated(links, QDate(2026, 3, 1));
        translated.ShowMatches(QStringLiteral("Cariacia"), Cariacica());
        list = child<QTableWidget>(&translated, "lstPlaces");
        const QString cells[] = {
            Cell(list, 0, LookupWindow::kCity), Cell(list, 0, LookupWindow::kLatitude),
            Cell(list, 0, LookupWindow::kLongitude), Cell(list, 0, LookupWindow::kDaylightPeriod)};
        for (qsizetype i = 0; i < englishCells.size(); ++i) {
            EXPECT_NE(cells[i], englishCells[i]) << language << ": " << cells[i].toStdString();
            for (const char* word : {"largest", "April", "October", "until", " S", " W"}) {
                EXPECT_FALSE(cells[i].contains(QLatin1String(word)))
                    << language << ": " << cells[i].toStdString();
            }
        }
        EXPECT_TRUE(cells[0].contains(u"Cariacica") && cells[0].contains(u"Vitória"));
        EXPECT_TRUE(cells[3].contains(u"2026"));
    }
    QLocale::setDefault(QLocale::c());
}

TEST_F(LookupWindowTest, ClosingDeletesTheWindowAndTheNextClickMakesANewOne) {
    GazetteerLookup lookup = Lookup();
    lookup.Lookup(QStringLiteral("Pune Maharashtra India Latitude Longitude"), QString(),
                  kMarch2026);
    QPointer<LookupWindow> first = ShownLookupWindow();
    QTest::mouseClick(child<QPushButton>(first, "cmdClose"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    lookup.Lookup(QStringLiteral("Pune Maharashtra India Latitude Longitude"), QString(),
                  kMarch2026);
    EXPECT_TRUE(ShownLookupWindow()->isVisible());
}

auto Fields(const FormValues& v) {
    return std::tie(v.name, v.month, v.day, v.year, v.hour, v.minute, v.second, v.latDegrees,
                    v.latMinutes, v.south, v.lonDegrees, v.lonMinutes, v.east, v.zoneHour,
                    v.zoneMinute, v.city, v.state, v.country);
}

TEST_F(LookupWindowTest, TheMainFormKeepsItsFieldsAfterALookup) {
    RecordingBoxes boxes;
    auto* main = new FrmMain(boxes, [this] {
        return std::make_unique<GazetteerLookup>(links, loaded, slot, SearchExcerpt);
    });
    main->show();
    QTest::keyClicks(child<QLineEdit>(main, "txtLatD"), QStringLiteral("12"));
    QTest::keyClicks(child<QLineEdit>(main, "txtZoneHour"), QStringLiteral("3"));
    child<QRadioButton>(main, "optLong_1")->setChecked(true);
    QTest::keyClicks(child<QLineEdit>(main, "txtMCity"), QStringLiteral("Pune"));
    QTest::keyClicks(child<QLineEdit>(main, "txtMState"), QStringLiteral("Maharashtra"));
    QTest::keyClicks(child<QLineEdit>(main, "txtMCountry"), QStringLiteral("India"));
    const FormValues before = main->values();

    QTest::mouseClick(child<QPushButton>(main, "cmdBrowser"), Qt::LeftButton);

    EXPECT_EQ(
        Cell(child<QTableWidget>(ShownLookupWindow(), "lstPlaces"), 0, LookupWindow::kLatitude),
        u"18° 31' N");
    EXPECT_TRUE(Fields(main->values()) == Fields(before));
    EXPECT_EQ(child<QLineEdit>(main, "txtLatD")->text(), u"12");
    EXPECT_EQ(child<QLineEdit>(main, "txtLonD")->text(), u"");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(opened.empty());
}

}  // namespace
}  // namespace velnora
