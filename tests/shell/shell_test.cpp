// SPDX-License-Identifier: GPL-3.0-or-later
// The shell wired to the real windows: start-up order, the second copy, every
// link of the main, result, About and farewell windows, the About box from both
// windows, the farewell window's comings and goings, and EndProgram.
#include "shell/shell.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "doubles.h"
#include "forms/frm_display.h"
#include "forms/frm_main.h"
#include "forms/windows.h"
#include "shell/farewell_form.h"
#include "shell/update_reminder.h"
#include "ui/addresses.h"

namespace velnora {
namespace {

using testing::child;
using testing::RecordingBoxes;
using testing::RecordingOpener;

const QDate kToday(2024, 3, 5);

QStringList VisibleWindows() {
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) names << w->objectName();
    }
    names.sort();
    return names;
}

class ShellTest : public ::testing::Test {
public:  // the table rows below drive the fixture from lambdas
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        windows_ = std::make_unique<Windows>(
            boxes_, [] { return std::unique_ptr<CoordinateLookup>(); },
            PlanServices{clock_, calendarDialogs_, printDialogs_, {}});
        shell_ = std::make_unique<Shell>(
            *windows_, ShellServices{boxes_, opener_, clock_, random_, SettingsPath(), dialogs_,
                                     end_, loaded_, dir_.filePath(QStringLiteral("velnora.lock")),
                                     dir_.filePath(QStringLiteral("fallback.lock"))});
    }
    void TearDown() override {
        shell_.reset();
        windows_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    FrmMain* Main() const { return windows_->main(); }

    // "RAM" at 23°2' N, 72°35' E, five and a half hours ahead of Greenwich.
    void Proceed() {
        ASSERT_NE(Main(), nullptr);
        const std::pair<const char*, const char*> fields[] = {
            {"txtName", "RAM"}, {"txtLatD", "23"},     {"txtLatM", "2"},        {"txtLonD", "72"},
            {"txtLonM", "35"},  {"txtZoneHour", "-5"}, {"txtZoneMinute", "-30"}};
        for (const auto& [name, text] : fields)
            child<QLineEdit>(Main(), name)->setText(QString::fromLatin1(text));
        QTest::mouseClick(child<QPushButton>(Main(), "cmdRashi"), Qt::LeftButton);
        ASSERT_NE(windows_->display(), nullptr) << boxes_.texts().join(u'|').toStdString();
        ASSERT_TRUE(windows_->display()->isVisible());
    }

    QTemporaryDir dir_;
    QString SettingsPath() const { return dir_.filePath(QStringLiteral("velnora.ini")); }
    QSettings Settings() const { return {SettingsPath(), QSettings::IniFormat}; }
    RecordingBoxes boxes_;
    RecordingOpener opener_;
    FixedClock clock_ = testing::ClockOnDay(kToday);
    testing::ScriptedRandom random_{{0.5}};
    testing::ScriptedDialogRunner dialogs_;
    testing::ScriptedCalendarDialogs calendarDialogs_;
    testing::ScriptedPrintDialogs printDialogs_;
    testing::RecordingProcessEnd end_;
    LoadOrder loaded_;
    std::unique_ptr<Windows> windows_;
    std::unique_ptr<Shell> shell_;
};

TEST_F(ShellTest, FirstStartShowsOnlyTheMainFormAndStoresToday) {
    ASSERT_TRUE(shell_->start());
    EXPECT_EQ(random_.seeds, 1);
    EXPECT_TRUE(boxes_.shown.empty());
    EXPECT_EQ(Settings().value(kLastReminderDateKey).toString(), QStringLiteral("2024-03-05"));
    EXPECT_EQ(VisibleWindows(), QStringList{QStringLiteral("frmMain")});
    EXPECT_EQ(shell_->loadedFarewell(), nullptr);
    EXPECT_TRUE(end_.statuses.empty());
    EXPECT_FALSE(QApplication::windowIcon().isNull());
}

TEST_F(ShellTest, UpdateQuestionComesBeforeTheMainFormAndYesOpensTheDownloadPage) {
    Settings().setValue(kLastReminderDateKey, kToday.addDays(-15).toString(Qt::ISODate));
    boxes_.answerYes = true;
    bool mainShownWhenAsked = true;
    boxes_.onMessage = [&] { mainShownWhenAsked = Main() != nullptr; };
    ASSERT_TRUE(shell_->start());
    EXPECT_EQ(boxes_.shown.size(), 1u);
    EXPECT_FALSE(mainShownWhenAsked);
    EXPECT_EQ(opener_.opened, QStringList{QString::fromLatin1(address::kDownloadPage)});
    EXPECT_EQ(VisibleWindows(), QStringList{QStringLiteral("frmMain")});
}

TEST_F(ShellTest, CoBrandDrawDecidesWhichBannerIsSeen) {
    struct Row {
        const char* name;
        double r;
        const char* seen;
    };
    const Row rows[] = {
        {"one-raises-co-brand", 0.0, "lblCobrand"},
        {"four-raises-full-brand", 0.5, "lblFullBrand"},
        {"five-raises-co-brand", 0.6, "lblCobrand"},
        {"seven-keeps-the-design-order", 0.99, "lblFullBrand"},
    };
    for (const Row& row : rows) {
        TearDown();
        random_ = testing::ScriptedRandom({row.r});
        SetUp();
        ASSERT_TRUE(shell_->start()) << row.name;
        auto* frame5 = child<QWidget>(Main(), "Frame5");
        const QPoint middle = child<QWidget>(frame5, "lblCobrand")->geometry().center();
        QWidget* front = frame5->childAt(middle);
        ASSERT_NE(front, nullptr) << row.name;
        EXPECT_EQ(front->objectName(), QString::fromLatin1(row.seen)) << row.name;
    }
}

TEST_F(ShellTest, SecondCopyShowsOnlyItsMessageAndEnds) {
    InstanceLock running(dir_.filePath(QStringLiteral("velnora.lock")));
    ASSERT_EQ(running.tryAcquire(SystemClock()), LockState::Held);
    EXPECT_FALSE(shell_->start());
    EXPECT_EQ(boxes_.shown,
              (std::vector<testing::Shown>{
                  {QStringLiteral("Application is already running"), Icon::Information, false}}));
    EXPECT_EQ(end_.statuses, std::vector<int>{0});
    EXPECT_EQ(Main(), nullptr);
    EXPECT_TRUE(VisibleWindows().isEmpty());
    EXPECT_FALSE(Settings().contains(kLastReminderDateKey));
    EXPECT_EQ(random_.seeds, 0);
}

struct TriggerRow {
    const char* name;
    const char* control;
    bool menu;  // a menu entry rather than a label
    const char* address;
};

// Which control asks for which page is the windows' own fact (forms tests) and
// which page each Link opens is Help's (links_test); here one link of each
// window shows that the shell opens what a window asks for.
const TriggerRow kWindowLinks[] = {
    {"forum-banner", "Label61", false, address::kForumHome},
    {"check-for-update", "mnuUpdate", true, address::kDownloadPage},
};

void Trigger(QWidget* window, const TriggerRow& row) {
    if (row.menu) {
        child<QAction>(window, row.control)->trigger();
    } else {
        QTest::mouseClick(child<QWidget>(window, row.control), Qt::LeftButton);
    }
}

// "&Donate" sits on the menu bar itself: one click there opens the page.
void ClickDonate(QWidget* window) {
    auto* bar = child<QMenuBar>(window, "menuBar");
    const QRect place = bar->actionGeometry(child<QAction>(window, "mnuDonate"));
    ASSERT_TRUE(place.isValid());
    QTest::mouseClick(bar, Qt::LeftButton, {}, place.center());
}

TEST_F(ShellTest, MainFormLinksOpenTheirPages) {
    ASSERT_TRUE(shell_->start());
    for (const TriggerRow& row : kWindowLinks) {
        opener_.opened.clear();
        Trigger(Main(), row);
        EXPECT_EQ(opener_.opened, QStringList{QString::fromLatin1(row.address)}) << row.name;
    }
    opener_.opened.clear();
    ClickDonate(Main());
    EXPECT_EQ(opener_.opened, QStringList{QString::fromLatin1(address::kDonationPage)});
    auto* money = child<QAction>(Main(), "mkmoney");
    EXPECT_FALSE(money->isVisible() && money->isEnabled());
    EXPECT_EQ(VisibleWindows(), QStringList{QStringLiteral("frmMain")});
}

TEST_F(ShellTest, ResultFormLinksOpenTheirPagesAndKeepTheResult) {
    ASSERT_TRUE(shell_->start());
    Proceed();
    FrmDisplay* display = windows_->display();
    const QString period = child<QLabel>(display, "lblChaghodiya")->text();
    std::vector<TriggerRow> rows(std::begin(kWindowLinks), std::end(kWindowLinks));
    rows.push_back({"sunrise-caption-of-the-day", "Label1", false, address::kFullBrandPage});
    for (const TriggerRow& row : rows) {
        opener_.opened.clear();
        Trigger(display, row);
        EXPECT_EQ(opener_.opened, QStringList{QString::fromLatin1(row.address)}) << row.name;
    }
    opener_.opened.clear();
    ClickDonate(display);
    EXPECT_EQ(opener_.opened, QStringList{QString::fromLatin1(address::kDonationPage)});
    EXPECT_EQ(windows_->display(), display);
    EXPECT_EQ(child<QLabel>(display, "lblChaghodiya")->text(), period);
    EXPECT_EQ(VisibleWindows(), QStringList{QStringLiteral("frmDisplay")});
}

TEST_F(ShellTest, AboutBoxIsModalOverTheWindowThatOpenedItAndItsLinksWork) {
    ASSERT_TRUE(shell_->start());
    struct Seen {
        QWidget* parent = nullptr;
        bool modal = false;
        bool closed = false;
    };
    const auto openAbout = [&](QWidget* window, Qt::Key closeKey, const char* link) {
        Seen seen;
        opener_.opened.clear();
        dialogs_.scene = [&](QDialog& about) {
            seen.parent = about.parentWidget();
            seen.modal = about.isModal() && about.isVisible();
            QTest::mouseClick(child<QWidget>(&about, link), Qt::LeftButton);
            QTest::keyClick(&about, closeKey);
            seen.closed = !about.isVisible();
        };
        child<QAction>(window, "mnuAbout")->trigger();
        return seen;
    };

    const Seen fromMain = openAbout(Main(), Qt::Key_Escape, "lblHomePage");
    EXPECT_EQ(fromMain.parent, Main());
    EXPECT_TRUE(fromMain.modal);
    EXPECT_TRUE(fromMain.closed);
    EXPECT_EQ(opener_.opened, QStringList{QString::fromLatin1(address::kForumHome)});
    EXPECT_EQ(VisibleWindows(), QStringList{QStringLiteral("frmMain")});

    Proceed();
    const Seen fromResult = openAbout(windows_->display(), Qt::Key_Return, "lblCoBrand");
    EXPECT_EQ(fromResult.parent, windows_->display());
    EXPECT_TRUE(fromResult.modal);
    EXPECT_TRUE(fromResult.closed);
    EXPECT_EQ(opener_.opened, QStringList{QString::fromLatin1(address::kFullBrandPage)});
    EXPECT_EQ(VisibleWindows(), QStringList{QStringLiteral("frmDisplay")});
    EXPECT_EQ(dialogs_.runs, 2);
}

TEST_F(ShellTest, ClosingTheMainFormShowsTheFarewellWindow) {
    ASSERT_TRUE(shell_->start());
    Main()->close();
    EXPECT_EQ(Main(), nullptr);
    ASSERT_NE(shell_->loadedFarewell(), nullptr);
    EXPECT_EQ(VisibleWindows(), QStringList{QStringLiteral("frmFarewell")});
    EXPECT_TRUE(end_.statuses.empty());

    FrmFarewell* farewell = shell_->loadedFarewell();
    for (const TriggerRow& row :
         {TriggerRow{"visit-forum-now", "Check1", false, address::kForumHome},
          TriggerRow{"go-to-home", "lblGoToHome", false, address::kSoftwareCatalogue}}) {
        opener_.opened.clear();
        QTest::mouseClick(child<QWidget>(farewell, row.control), Qt::LeftButton);
        EXPECT_EQ(opener_.opened, QStringList{QString::fromLatin1(row.address)}) << row.name;
    }
}

TEST_F(ShellTest, EvaluationLoadsTheFarewellWindowHiddenAndBackKeepsItHidden) {
    ASSERT_TRUE(shell_->start());
    Proceed();
    FrmFarewell* farewell = shell_->loadedFarewell();
    ASSERT_NE(farewell, nullptr);
    EXPECT_FALSE(farewell->isVisible());

    QTest::mouseClick(child<QPushButton>(windows_->display(), "cmdOK"), Qt::LeftButton);
    EXPECT_EQ(windows_->display(), nullptr);
    EXPECT_EQ(shell_->loadedFarewell(), farewell);  // loaded once per run
    EXPECT_EQ(VisibleWindows(), QStringList{QStringLiteral("frmMain")});
    EXPECT_TRUE(end_.statuses.empty());
}

TEST_F(ShellTest, ExitFromTheResultShowsTheFarewellWindowOverTheHiddenMainForm) {
    ASSERT_TRUE(shell_->start());
    Proceed();
    QTest::mouseClick(child<QPushButton>(windows_->display(), "cmdExit"), Qt::LeftButton);
    EXPECT_NE(Main(), nullptr);
    EXPECT_EQ(VisibleWindows(), QStringList{QStringLiteral("frmFarewell")});
    EXPECT_TRUE(end_.statuses.empty());
}

// Each row brings the program into a state and ends it one way; every time the
// process ends once, with status 0, and nothing is left on screen. frmMain, the
// first window loaded, is always unloaded; a window loaded after frmFarewell may
// be discarded without its unload step, since the farewell window's own unload
// step ends the process.
TEST_F(ShellTest, EndProgramUnloadsEverythingAndEndsWithStatusZero) {
    struct Row {
        const char* name;
        std::function<void(ShellTest&)> end;
    };
    const Row rows[] = {
        {"farewell-exit-after-closing-main",
         [](ShellTest& t) {
             t.Main()->close();
             QTest::mouseClick(child<QPushButton>(t.shell_->loadedFarewell(), "cmdClose"),
                               Qt::LeftButton);
         }},
        {"farewell-close-box-with-hidden-main",
         [](ShellTest& t) {
             t.Proceed();
             t.windows_->display()->close();
             t.shell_->loadedFarewell()->close();
         }},
        {"enter-on-farewell-after-result-exit",
         [](ShellTest& t) {
             t.Proceed();
             QTest::keyClick(t.windows_->display(), Qt::Key_Escape);
             FrmFarewell* farewell = t.shell_->loadedFarewell();
             QTest::keyClick(farewell->focusWidget(), Qt::Key_Return);
         }},
        {"called-while-main-and-result-are-loaded",
         [](ShellTest& t) {
             t.Proceed();
             t.shell_->EndProgram();
         }},
        {"called-with-only-main-loaded", [](ShellTest& t) { t.shell_->EndProgram(); }},
    };
    for (const Row& row : rows) {
        TearDown();
        end_.statuses.clear();
        SetUp();
        ASSERT_TRUE(shell_->start()) << row.name;
        row.end(*this);
        EXPECT_EQ(end_.statuses, std::vector<int>{0}) << row.name;
        EXPECT_EQ(VisibleWindows(), QStringList{}) << row.name;
        EXPECT_EQ(Main(), nullptr) << row.name;
    }
}

}  // namespace
}  // namespace velnora
