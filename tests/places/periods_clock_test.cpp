// SPDX-License-Identifier: GPL-3.0-or-later
// The periods window and its printed day on the place's own clocks: New York
// over the night the clocks go forward, against zoneinfo.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDateTime>
#include <QLabel>
#include <QPdfWriter>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimeZone>
#include <algorithm>
#include <memory>

#include "forms/frm_periods.h"
#include "forms/gazetteer_clock.h"
#include "forms/gazetteer_lookup.h"
#include "forms/print_periods.h"
#include "forms/result_texts.h"
#include "forms/windows.h"
#include "places/places.h"
#include "support/test_support.h"
#include "ui/load_order.h"

namespace velnora {
namespace {

using testing::child;

const places::Gazetteer& World() {
    static const std::unique_ptr<places::Gazetteer> g =
        places::Gazetteer::Open(QStringLiteral(VELNORA_WORLD_INDEX));
    if (!g) throw std::runtime_error("no index at " VELNORA_WORLD_INDEX);
    return *g;
}

// New York City at 40° 43' N, 74° 0' W with the zone typed as in winter, 10:00 AM.
FormValues NewYork(const Date& date, const char* zoneHour = "5") {
    FormValues form;
    form.name = "x";
    SetListedDate(form, date);
    form.hour = 10;
    form.latDegrees = "40";
    form.latMinutes = "43";
    form.lonDegrees = "74";
    form.lonMinutes = "0";
    form.east = false;
    form.zoneHour = zoneHour;
    form.zoneMinute = "0";
    form.city = "New York City";
    form.state = "New York";
    form.country = "United States";
    return form;
}

// The wall clock of New York at a moment listed in UTC.
ClockTime InNewYork(const LocalDateTime& utc) {
    const Date d = utc.date();
    const ClockTime t = utc.time();
    const QDateTime at(QDate(d.year, d.month, d.day), QTime(t.hour, t.minute, t.second), Qt::UTC);
    const QTime local = at.toTimeZone(QTimeZone("America/New_York")).time();
    return {local.hour(), local.minute(), local.second()};
}

class PeriodsClockTest : public ::testing::Test {
protected:
    FixedClock clock{std::chrono::sys_days{std::chrono::year{2024} / 3 / 9}};
    PlanClockChooser chooser = GazetteerClockChooser(World());
    testing::ScriptedPrintDialogs print;
    testing::RecordingBoxes boxes;
    std::unique_ptr<FrmPeriods> periods = std::make_unique<FrmPeriods>(clock, print, boxes);

    QString cell(int row, int column) {
        const QTableWidgetItem* item =
            child<QTableWidget>(periods.get(), "tblPeriods")->item(row, column);
        return item ? item->text() : QString();
    }
    QString clockLine() { return child<QLabel>(periods.get(), "lblClock")->text(); }
};

// Typed on 9 March with the winter zone: every day period to 11 March at the times
// New York's clocks show, and the night the clocks go forward split at their
// midnight and ending at their sunrise.
TEST_F(PeriodsClockTest, TimesAreThoseOfTheClocksOnTheWall) {
    constexpr int kStart = 1, kEnd = 2;
    periods->showFor(NewYork({2024, 3, 9}), chooser(NewYork({2024, 3, 9})));
    periods->show();
    EXPECT_EQ(clockLine(),
              u"Times as New York City's clocks show them (America/New_York), "
              u"daylight saving included");
    for (const Date date : {Date{2024, 3, 9}, Date{2024, 3, 10}, Date{2024, 3, 11}}) {
        SCOPED_TRACE(IsoDate(date));
        const auto utc = std::get<EvaluationInput>(ReadForm(NewYork(date, "0")));
        const DayListing day = ListDay({utc, {}}, date);
        ASSERT_FALSE(day.failure);
        // The dates after the change are reached from the window, as typed on 9 March.
        if (periods->date() != date)
            QTest::mouseClick(child<QWidget>(periods.get(), "cmdNextDay"), Qt::LeftButton);
        ASSERT_EQ(periods->date(), date);
        for (int k = 0; k < kPeriodsPerSpan; ++k) {
            EXPECT_EQ(cell(k, kStart), MinuteText(InNewYork(day.day[k].start))) << "Day " << k + 1;
            EXPECT_EQ(cell(k, kEnd), MinuteText(InNewYork(day.day[k].end))) << "Day " << k + 1;
        }
    }
    // The night of 9 March: at 2:00 AM the clocks go forward to 3:00.
    periods->showFor(NewYork({2024, 3, 9}), chooser(NewYork({2024, 3, 9})));
    const auto utc = std::get<EvaluationInput>(ReadForm(NewYork({2024, 3, 10}, "0")));
    const DayListing next = ListDay({utc, {}}, {2024, 3, 10});
    const auto* table = child<QTableWidget>(periods.get(), "tblPeriods");
    const int last = table->rowCount() - 1;
    // The night split once at midnight, with a row that gives the new date.
    EXPECT_EQ(table->rowCount(), 2 * kPeriodsPerSpan + 2);
    EXPECT_TRUE(cell(kPeriodsPerSpan + 4, 0).startsWith("Sunday, 10 March 2024: "));
    EXPECT_EQ(cell(last, kEnd), MinuteText(InNewYork(next.day[0].start)));
    int midnights = 0;
    for (int row = kPeriodsPerSpan; row < last; ++row) {
        if (cell(row, kEnd) == MinuteText({0, 0, 0})) ++midnights;
    }
    EXPECT_EQ(midnights, 1);
}

// Printed, the night the clocks go forward shows what the window shows: a period
// after 2:00 AM at New York's summer time, not the noon's winter time.
TEST_F(PeriodsClockTest, PrintedTimesAreThoseOfTheClocksOnTheWall) {
    const FormValues form = NewYork({2024, 3, 9});
    const PlanClock chosen = chooser(form);
    const PrintJob job = MakePrintJob({std::get<EvaluationInput>(ReadForm(form)), chosen.zoneFor},
                                      {2024, 3, 9}, {PrintRange::Day, false}, chosen.wall);
    std::vector<ClockTime> printed;
    PageWords words = WindowWords();
    words.clock = [&printed](const ClockTime& t) {
        printed.push_back(t);
        return ClockText(t);
    };
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setPageLayout(PageLayoutFor(PrintRange::Day));
    PaintPages(pdf, job, words);

    // The first period of the night that starts after 7:00 Greenwich time, 2:00 AM EST.
    const auto utc = std::get<EvaluationInput>(ReadForm(NewYork({2024, 3, 9}, "0")));
    const DayListing listed = ListDay({utc, {}}, {2024, 3, 9});
    const auto after = std::find_if(listed.night.begin(), listed.night.end(), [](const Period& p) {
        return p.start >= LocalDateTime::From({2024, 3, 10}, {7, 0, 0});
    });
    ASSERT_NE(after, listed.night.end());
    const ClockTime wall = InNewYork(after->start);
    ASSERT_GE(wall.hour, 3) << "summer time";
    const auto has = [&printed](const ClockTime& t) {
        return std::find(printed.begin(), printed.end(), t) != printed.end();
    };
    EXPECT_TRUE(has(wall)) << ClockText(wall).toStdString();
    EXPECT_FALSE(has({wall.hour - 1, wall.minute, wall.second})) << "an hour behind the wall";
}

// Typed zone 5 in July: the window keeps it and says first that the clocks differ;
// coordinates far from the place keep it with that reason.
TEST_F(PeriodsClockTest, KeepsTheTypedZoneAndSaysWhy) {
    periods->showFor(NewYork({2024, 7, 11}), chooser(NewYork({2024, 7, 11})));
    EXPECT_EQ(clockLine(),
              QStringLiteral("On 11 July 2024 New York City's clocks show UTC\u221204:00; the "
                             "result was computed with the zone you typed, UTC\u221205:00\n"
                             "Times in the zone you typed, UTC\u221205:00, on every date: New "
                             "York City's clocks show another offset at the time of work"));
    FormValues away = NewYork({2024, 3, 11});
    away.latDegrees = "41";
    away.latMinutes = "30";
    periods->showFor(away, chooser(away));
    EXPECT_EQ(clockLine(), QStringLiteral("Times in the zone you typed, UTC\u221205:00, on every "
                                          "date: no place of this name lies at these coordinates"));
}

// "Periods of the Day Here" in the lookup: the chosen place at the present
// moment there, on its own clocks, in the one periods window.
TEST(PeriodsHereTest, TheLookupShowsTheChosenPlaceAtItsPresentMoment) {
    // 04:30 on 1 July at Greenwich: 00:30 on New York's summer clocks, still
    // 30 June in its standard zone.
    const FixedClock now{std::chrono::sys_days{std::chrono::year{2024} / 7 / 1} +
                         std::chrono::minutes(270)};
    testing::RecordingBoxes boxes;
    testing::ScriptedCalendarDialogs calendar;
    testing::ScriptedPrintDialogs print;
    Windows windows(boxes, nullptr, {now, calendar, print, {}});
    LookupRequests requests;
    QObject::connect(&requests, &LookupRequests::periodsHereRequested, &windows,
                     &Windows::showPeriodsHere);
    testing::RecordingOpener links;
    LoadOrder loaded;
    LookupWindowSlot slot;
    GazetteerLookup lookup(
        links, loaded, slot,
        [](const QString& text) -> GazetteerLookup::Found { return World().Search(text); },
        &requests);
    lookup.Lookup(QStringLiteral("New York City, New York, United States"), QString(),
                  {QDate(2024, 7, 1)});

    auto* here = child<QPushButton>(slot.get(), "cmdPeriodsHere");
    ASSERT_TRUE(here->isEnabled());
    QTest::mouseClick(here, Qt::LeftButton);
    FrmPeriods* periods = windows.periods();
    ASSERT_TRUE(periods && periods->isVisible());
    EXPECT_EQ(periods->date(), (Date{2024, 7, 1}));
    EXPECT_TRUE(child<QLabel>(periods, "lblPlace")->text().startsWith(u"New York City (40° 4"));
    EXPECT_EQ(child<QLabel>(periods, "lblClock")->text(),
              u"Times as New York City's clocks show them (America/New_York), "
              u"daylight saving included");
    EXPECT_GE(periods->timeOfWorkRow(), 0);
}

}  // namespace
}  // namespace velnora
