// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up decisions without windows: the update reminder over a settings
// file of its own, and the co-brand draw.
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>
#include <memory>

#include "doubles.h"
#include "shell/cobrand.h"
#include "shell/update_reminder.h"
#include "ui/addresses.h"

namespace velnora {
namespace {

using testing::RecordingBoxes;
using testing::RecordingOpener;

const QDate kToday(2024, 3, 5);

class UpdateReminderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        settings_ = std::make_unique<QSettings>(dir_.filePath(QStringLiteral("velnora.ini")),
                                                QSettings::IniFormat);
    }
    void Store(const QVariant& value) { settings_->setValue(kLastReminderDateKey, value); }
    QString Stored() const { return settings_->value(kLastReminderDateKey).toString(); }
    void Start() { UpdateReminder(*settings_, clock_, boxes_, help_); }

    QTemporaryDir dir_;
    std::unique_ptr<QSettings> settings_;
    FixedClock clock_ = testing::ClockOnDay(kToday);
    RecordingBoxes boxes_;
    RecordingOpener opener_;
    Help help_{opener_};
};

TEST(UpdateQuestionDue, FourteenDaysEitherWayIsQuiet) {
    struct Row {
        const char* name;
        qint64 days;
        bool due;
    };
    const Row rows[] = {
        {"same-day", 0, false},           {"fourteen-days-ago", -14, false},
        {"fifteen-days-ago", -15, true},  {"fourteen-days-ahead", 14, false},
        {"fifteen-days-ahead", 15, true}, {"years-ago", -3650, true},
    };
    for (const Row& row : rows) EXPECT_EQ(UpdateQuestionDue(row.days), row.due) << row.name;
}

TEST_F(UpdateReminderTest, FirstRunStoresTodayAndAsksNothing) {
    Start();
    EXPECT_TRUE(boxes_.shown.empty());
    EXPECT_EQ(Stored(), QStringLiteral("2024-03-05"));
}

TEST_F(UpdateReminderTest, UnreadableValueCountsAsAbsent) {
    for (const char* garbage : {"", "last tuesday", "2024-02-30"}) {
        Store(QString::fromLatin1(garbage));
        Start();
        EXPECT_TRUE(boxes_.shown.empty()) << garbage;
        EXPECT_EQ(Stored(), QStringLiteral("2024-03-05")) << garbage;
    }
}

TEST_F(UpdateReminderTest, StoredDateDecidesTheQuestion) {
    struct Row {
        const char* name;
        QDate stored;
        bool asks;
    };
    const Row rows[] = {
        {"fourteen-days-ago", kToday.addDays(-14), false},
        {"fourteen-days-ahead", kToday.addDays(14), false},
        {"fifteen-days-ago", kToday.addDays(-15), true},
        {"clock-set-back-fifteen-days", kToday.addDays(15), true},
    };
    for (const Row& row : rows) {
        boxes_.shown.clear();
        Store(row.stored.toString(Qt::ISODate));
        Start();
        ASSERT_EQ(boxes_.shown.size(), row.asks ? 1u : 0u) << row.name;
        if (row.asks) {
            const testing::Shown question{QStringLiteral("There maybe an update to this software "
                                                         "available\rDo you want to check for an "
                                                         "update?"),
                                          Icon::Information, true};
            EXPECT_EQ(boxes_.shown.front(), question) << row.name;
            EXPECT_EQ(Stored(), QStringLiteral("2024-03-05")) << row.name;
        } else {
            EXPECT_EQ(Stored(), row.stored.toString(Qt::ISODate)) << row.name;
        }
    }
}

TEST_F(UpdateReminderTest, AnswerOpensTheDownloadPageOnlyOnYesAndIsNotRepeatedTheSameDay) {
    for (const bool yes : {true, false}) {
        boxes_.shown.clear();
        opener_.opened.clear();
        boxes_.answerYes = yes;
        Store(kToday.addDays(-15).toString(Qt::ISODate));
        Start();
        EXPECT_EQ(boxes_.shown.size(), 1u);
        EXPECT_EQ(opener_.opened,
                  yes ? QStringList{QString::fromLatin1(address::kDownloadPage)} : QStringList{});

        // The next start on the same day reads back the date just stored.
        QSettings again(dir_.filePath(QStringLiteral("velnora.ini")), QSettings::IniFormat);
        UpdateReminder(again, clock_, boxes_, help_);
        EXPECT_EQ(boxes_.shown.size(), 1u) << (yes ? "after Yes" : "after No");
    }
}

TEST(CoBrand, EveryDrawMapsToItsLabel) {
    struct Row {
        const char* name;
        double r;
        int number;
        CoBrandFront front;
    };
    const Row rows[] = {
        {"zero-is-one", 0.0, 1, CoBrandFront::CoBrand},
        {"one-point-three-is-one", 0.05, 1, CoBrandFront::CoBrand},
        {"one-point-nine-is-two", 0.15, 2, CoBrandFront::FullBrand},
        {"two-and-a-half-goes-down-to-even", 0.25, 2, CoBrandFront::FullBrand},
        {"three", 1.0 / 3, 3, CoBrandFront::CoBrand},
        {"four", 0.5, 4, CoBrandFront::FullBrand},
        {"four-point-six-is-five", 0.6, 5, CoBrandFront::CoBrand},
        {"five-and-a-half-goes-up-to-even", 0.75, 6, CoBrandFront::FullBrand},
        {"six-point-one-is-six", 0.85, 6, CoBrandFront::FullBrand},
        {"six-point-seven-is-seven", 0.95, 7, CoBrandFront::DesignOrder},
        {"almost-one-is-seven", 0.9999, 7, CoBrandFront::DesignOrder},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CoBrandNumber(row.r), row.number) << row.name;
        EXPECT_EQ(CoBrandFrontFor(row.number), row.front) << row.name;
    }
}

}  // namespace
}  // namespace velnora
