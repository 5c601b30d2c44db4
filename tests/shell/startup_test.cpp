// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up decisions without windows: the update reminder over a settings
// file of its own, and the co-brand draw.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

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
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString Path() const { return dir_.filePath(QStringLiteral("velnora.ini")); }
    void Store(const QVariant& value) {
        QSettings(Path(), QSettings::IniFormat).setValue(kLastReminderDateKey, value);
    }
    QString Stored() const {
        return QSettings(Path(), QSettings::IniFormat).value(kLastReminderDateKey).toString();
    }
    void Start() { UpdateReminder(Path(), clock_, boxes_, help_); }

    QTemporaryDir dir_;
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
    for (const char* garbage : {"", "last tuesday", "2024-02-30", "9999-99-99"}) {
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
        Start();
        EXPECT_EQ(boxes_.shown.size(), 1u) << (yes ? "after Yes" : "after No");
    }
}

// Opens the FIFO for writing, again and again, once `patience` has passed without
// finish(): a reader blocked on it is let go, so a start that would hang for
// good ends the test with a failure instead.
class FifoWatchdog {
public:
    FifoWatchdog(const QString& path, std::chrono::seconds patience)
        : thread_([this, name = QFile::encodeName(path), patience] {
              std::unique_lock lock(mutex_);
              while (!woken_.wait_for(lock, fired_ ? std::chrono::milliseconds(100) : patience,
                                      [this] { return done_; })) {
                  fired_ = true;
                  const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
                  if (fd >= 0) ::close(fd);
              }
          }) {}
    // True when a reader had to be let go.
    bool finish() {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        woken_.notify_all();
        thread_.join();
        return fired_;
    }

private:
    std::mutex mutex_;
    std::condition_variable woken_;
    bool done_ = false;
    bool fired_ = false;
    std::thread thread_;
};

TEST_F(UpdateReminderTest, SettingsPathThatIsNoFileCountsAsAbsentAndIsLeftAlone) {
    namespace fs = std::filesystem;
    const fs::path path = QFile::encodeName(Path()).toStdString();
    struct Row {
        const char* name;
        bool (*make)(const fs::path&);
        bool (*still)(const fs::path&);
    };
    const Row rows[] = {
        {"fifo", [](const fs::path& p) { return ::mkfifo(p.c_str(), 0600) == 0; },
         [](const fs::path& p) { return fs::is_fifo(p); }},
        {"folder", [](const fs::path& p) { return fs::create_directory(p); },
         [](const fs::path& p) { return fs::is_directory(p) && fs::is_empty(p); }},
    };
    for (const Row& row : rows) {
        fs::remove_all(path);
        ASSERT_TRUE(row.make(path)) << row.name;
        FifoWatchdog watchdog(Path(), std::chrono::seconds(10));
        Start();
        EXPECT_FALSE(watchdog.finish()) << row.name << ": the start waited on the settings";
        EXPECT_TRUE(boxes_.shown.empty()) << row.name;
        EXPECT_TRUE(row.still(path)) << row.name << ": the settings path was written";
    }
}

TEST(CoBrand, EveryDrawMapsToItsLabel) {
    struct Row {
        const char* name;
        double r;
        int number;
        std::optional<UpperPromotion> front;
    };
    const Row rows[] = {
        {"zero-is-one", 0.0, 1, UpperPromotion::Cobrand},
        {"one-point-three-is-one", 0.05, 1, UpperPromotion::Cobrand},
        {"one-point-nine-is-two", 0.15, 2, UpperPromotion::FullBrand},
        {"two-and-a-half-goes-down-to-even", 0.25, 2, UpperPromotion::FullBrand},
        {"three", 1.0 / 3, 3, UpperPromotion::Cobrand},
        {"four", 0.5, 4, UpperPromotion::FullBrand},
        {"four-point-six-is-five", 0.6, 5, UpperPromotion::Cobrand},
        {"five-and-a-half-goes-up-to-even", 0.75, 6, UpperPromotion::FullBrand},
        {"six-point-one-is-six", 0.85, 6, UpperPromotion::FullBrand},
        {"six-point-seven-is-seven", 0.95, 7, std::nullopt},
        {"almost-one-is-seven", 0.9999, 7, std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CoBrandNumber(row.r), row.number) << row.name;
        EXPECT_EQ(CoBrandFrontFor(row.number), row.front) << row.name;
    }
}

}  // namespace
}  // namespace velnora
