// SPDX-License-Identifier: GPL-3.0-or-later
// Between the windows: Proceed, the result window, Back, Exit, and the requests
// the shell answers (links, About, the farewell window).
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

#include "forms/result_texts.h"
#include "forms_test_support.h"

namespace velnora::test {
namespace {

struct Flow : WindowsFixture {
    QSignalSpy unloaded{&windows, &Windows::unloaded};
    QSignalSpy farewellHidden{&windows, &Windows::farewellHideRequested};
    QSignalSpy links{&windows, &Windows::linkRequested};
    QSignalSpy about{&windows, &Windows::aboutRequested};

    FrmDisplay* proceed() {
        click(main(), "cmdRashi");
        EXPECT_TRUE(boxes.shown.empty())
            << (boxes.shown.empty() ? "" : boxes.shown[0].text.toStdString());
        return windows.display();
    }
    QString label(const char* name) { return child<QLabel>(windows.display(), name)->text(); }
};

TEST_F(Flow, ProceedShowsTheExampleResultAndHidesTheInput) {
    enterExample();
    FrmDisplay* display = proceed();
    ASSERT_NE(display, nullptr);
    EXPECT_TRUE(display->isVisible());
    EXPECT_FALSE(main()->isVisible());
    EXPECT_NE(windows.main(), nullptr) << "hidden, not unloaded";
    EXPECT_EQ(farewellHidden.count(), 1);
    EXPECT_EQ(display->windowTitle(), "Velnora v1.15");

    EXPECT_EQ(label("lblName"), "RAM");
    EXPECT_EQ(label("lblDOB"), "March/5/2024");
    EXPECT_EQ(label("lblTOB"), "9:5");
    EXPECT_EQ(label("lblLatitude"), QStringLiteral("23\u00b0 2' N"));
    EXPECT_EQ(label("lblLongitude"), QStringLiteral("72\u00b0 35' E"));
    EXPECT_EQ(label("lblCity"), "Ahmedabad");
    EXPECT_EQ(label("lblState"), "Gujarat");
    EXPECT_EQ(label("lblCountry"), "India");
    EXPECT_EQ(label("lblInputDaySunRiseTime"), "3/5/2024 6:58:00 AM");
    EXPECT_EQ(label("lblInputDaySunSetTime"), "3/5/2024 6:45:00 PM");
    EXPECT_TRUE(label("lblPreviousDaySunRiseTime").startsWith("3/4/2024 6:"));
    EXPECT_TRUE(label("lblPreviousDaySunSetTime").startsWith("3/4/2024 6:"));
    EXPECT_TRUE(label("lblNextDaySunRiseTime").startsWith("3/6/2024 6:"));
    EXPECT_TRUE(label("lblNextDaySunSetTime").startsWith("3/6/2024 6:"));
    EXPECT_EQ(label("lblChaghodiya"), "Udveg");
    EXPECT_EQ(label("lblTimePeriod"), "Time period for work can be unfavorable.");

    // Every label shows its own text of the evaluation.
    const Outcome outcome = Evaluate(main()->values());
    const auto* evaluation = std::get_if<Evaluation>(&outcome);
    ASSERT_NE(evaluation, nullptr);
    const auto texts = ResultTexts(evaluation->result);
    for (std::size_t i = 0; i < kResultLabels.size(); ++i) {
        EXPECT_EQ(label(std::string(kResultLabels[i]).c_str()), texts[i]) << kResultLabels[i];
    }
}

TEST_F(Flow, ResultWindowStartsOnBackAndEscapeExits) {
    enterExample();
    FrmDisplay* display = proceed();
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->focusWidget(), child<QPushButton>(display, "cmdOK"));
    EXPECT_EQ(TabStops(child<QPushButton>(display, "cmdOK"), 6),
              QStringList({"cmdOK", "cmdExit", "Label61", "Label1", "lblCobrand"}));
    for (const char* name : {"Label61", "lblCobrand", "lblFullBrand"}) {
        EXPECT_EQ(child<QWidget>(display, name)->cursor().shape(), Qt::PointingHandCursor) << name;
    }
    EXPECT_EQ(child<QLabel>(display, "lblInputDaySunRiseTime")->accessibleDescription(),
              "Sun Rise Time On");
    EXPECT_EQ(child<QLabel>(display, "lblDOB")->accessibleDescription(), "Date of Work :");

    // Enter runs the focused button, and Exit when no control takes it.
    QTest::keyClick(display, Qt::Key_Return);
    FinishUnloading();
    EXPECT_EQ(windows.display(), nullptr) << "Enter the window itself receives runs Exit";
}

// A value reads as its text, and an empty one as empty, not as its caption.
TEST_F(Flow, ResultValuesAreAnnouncedByTheirText) {
    enterExample();
    box("txtMState")->clear();
    FrmDisplay* display = proceed();
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(child<QLabel>(display, "lblState")->accessibleName(), "empty");
    EXPECT_EQ(child<QLabel>(display, "lblCity")->accessibleName(), "Ahmedabad");
    EXPECT_EQ(child<QLabel>(display, "lblChaghodiya")->accessibleName(), "Udveg");
}

TEST_F(Flow, BackReturnsToTheInputWithEveryValueIntact) {
    enterExample();
    QTest::mouseClick(child<QRadioButton>(main(), "optLat_1"), Qt::LeftButton);
    const FormValues before = main()->values();
    QPointer<FrmDisplay> display = proceed();
    ASSERT_NE(display, nullptr);

    struct Back {
        const char* row;
        std::function<void(FrmDisplay*)> press;
    };
    const Back ways[] = {
        {"button", [this](FrmDisplay* d) { click(d, "cmdOK"); }},
        {"menu", [this](FrmDisplay* d) { trigger(d, "mnuFileBack"); }},
        {"enter-on-focused-back",
         [](FrmDisplay* d) { QTest::keyClick(d->focusWidget(), Qt::Key_Return); }},
    };
    for (const Back& way : ways) {
        if (!display) display = proceed();
        ASSERT_NE(display, nullptr) << way.row;
        unloaded.clear();
        farewellHidden.clear();
        way.press(display);
        ASSERT_EQ(unloaded.count(), 1) << way.row;
        EXPECT_EQ(unloaded[0][0].value<QWidget*>(), display.data()) << way.row;
        EXPECT_EQ(farewellHidden.count(), 1) << way.row;
        EXPECT_EQ(windows.display(), nullptr) << way.row;
        FinishUnloading();
        EXPECT_TRUE(display.isNull()) << way.row << ": the result window is unloaded";
        ASSERT_NE(main(), nullptr) << way.row;
        EXPECT_TRUE(main()->isVisible()) << way.row;
        const FormValues after = main()->values();
        EXPECT_EQ(after.name, before.name) << way.row;
        EXPECT_EQ(after.month, before.month) << way.row;
        EXPECT_EQ(after.day, before.day) << way.row;
        EXPECT_EQ(after.year, before.year) << way.row;
        EXPECT_EQ(after.minute, before.minute) << way.row;
        EXPECT_EQ(after.zoneHour, before.zoneHour) << way.row;
        EXPECT_EQ(after.latDegrees, before.latDegrees) << way.row;
        EXPECT_EQ(after.lonMinutes, before.lonMinutes) << way.row;
        EXPECT_TRUE(after.south) << way.row;
        EXPECT_EQ(after.city, before.city) << way.row;
    }
}

TEST_F(Flow, SecondEvaluationFillsAFreshResultWindow) {
    enterExample();
    proceed();
    click(windows.display(), "cmdOK");
    FinishUnloading();
    box("txtName")->clear();
    type("txtName", "sita");
    pick("cboHour", "21");
    pick("cboMinute", "30");
    FrmDisplay* second = proceed();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(label("lblName"), "SITA");
    EXPECT_EQ(label("lblTOB"), "21:30");
    EXPECT_EQ(label("lblChaghodiya"), "Labh");  // Tuesday night, second period
    EXPECT_EQ(label("lblTimePeriod"), "Time period for work can be favorable.");
}

TEST_F(Flow, ClosingTheResultWindowUnloadsItAndLeavesTheInputHidden) {
    struct Exit {
        const char* row;
        std::function<void(FrmDisplay*)> press;
    };
    const Exit ways[] = {
        {"button", [this](FrmDisplay* d) { click(d, "cmdExit"); }},
        {"menu", [this](FrmDisplay* d) { trigger(d, "mnuExit"); }},
        {"escape", [](FrmDisplay* d) { QTest::keyClick(d->focusWidget(), Qt::Key_Escape); }},
        {"close-box", [](FrmDisplay* d) { d->close(); }},
    };
    enterExample();
    for (const Exit& way : ways) {
        QPointer<FrmDisplay> display = proceed();
        ASSERT_NE(display, nullptr) << way.row;
        unloaded.clear();
        way.press(display);
        ASSERT_EQ(unloaded.count(), 1) << way.row;
        EXPECT_EQ(unloaded[0][0].value<QWidget*>(), display.data()) << way.row;
        FinishUnloading();
        EXPECT_TRUE(display.isNull()) << way.row;
        ASSERT_NE(main(), nullptr) << way.row;
        EXPECT_FALSE(main()->isVisible()) << way.row;
        windows.showMain();  // as Back would, to run the next way
    }
}

TEST_F(Flow, ClosingTheInputWindowUnloadsItAndDiscardsItsValues) {
    for (const char* way : {"menu", "close-box"}) {
        type("txtName", "ram");
        QPointer<FrmMain> window = main();
        unloaded.clear();
        if (std::string(way) == "menu")
            trigger(window, "mnuExit");
        else
            window->close();
        ASSERT_EQ(unloaded.count(), 1) << way;
        EXPECT_EQ(unloaded[0][0].value<QWidget*>(), window.data()) << way;
        EXPECT_EQ(windows.main(), nullptr) << way;
        FinishUnloading();
        EXPECT_TRUE(window.isNull()) << way;
        windows.showMain();
        EXPECT_EQ(box("txtName")->text(), "") << way;
    }
}

TEST_F(Flow, LinksAndAboutAreRequestedFromBothWindows) {
    struct Trigger {
        const char* name;
        Link link;
    };
    const Trigger common[] = {
        {"Label61", Link::ForumHome},          {"mnuVisit", Link::ForumHome},
        {"mnuOnline", Link::OnlineHelp},       {"mnuUpdate", Link::DownloadPage},
        {"mnuDonate", Link::DonationPage},     {"lblCobrand", Link::CoBrandPage},
        {"lblFullBrand", Link::FullBrandPage},
    };
    enterExample();
    auto check = [&](QWidget* window, const std::vector<Trigger>& triggers) {
        for (const Trigger& t : triggers) {
            links.clear();
            if (auto* action = window->findChild<QAction*>(t.name))
                action->trigger();
            else
                click(window, t.name);
            ASSERT_EQ(links.count(), 1) << window->objectName().toStdString() << " " << t.name;
            EXPECT_EQ(links[0][0].value<Link>(), t.link) << t.name;
        }
        about.clear();
        trigger(window, "mnuAbout");
        ASSERT_EQ(about.count(), 1);
        EXPECT_EQ(about[0][0].value<QWidget*>(), window);
        EXPECT_TRUE(window->isVisible()) << "a link keeps the window";
    };
    check(main(), {std::begin(common), std::end(common)});
    FrmDisplay* display = proceed();
    ASSERT_NE(display, nullptr);
    std::vector<Trigger> onDisplay(std::begin(common), std::end(common));
    onDisplay.push_back({"Label1", Link::FullBrandPage});
    check(display, onDisplay);
    EXPECT_EQ(child<QAction>(display, "mnuUpdate")->text(), "&Check for Software Update");
    EXPECT_EQ(label("lblChaghodiya"), "Udveg");

    links.clear();
    click(display, "Label5");  // any other caption does nothing
    click(display, "lblDOB");
    EXPECT_EQ(links.count(), 0);
}

TEST_F(Flow, PromotionalLabelsStackAsDesigned) {
    // The later sibling lies above the earlier one.
    auto above = [](QWidget* window, const char* upper, const char* lower) {
        const QObjectList siblings = child<QWidget>(window, "Frame5")->children();
        return siblings.indexOf(child<QWidget>(window, upper)) >
               siblings.indexOf(child<QWidget>(window, lower));
    };
    EXPECT_TRUE(above(main(), "lblFullBrand", "lblCobrand"));
    enterExample();
    FrmDisplay* display = proceed();
    ASSERT_NE(display, nullptr);
    EXPECT_TRUE(above(display, "lblCobrand", "lblFullBrand"));
}

}  // namespace
}  // namespace velnora::test
