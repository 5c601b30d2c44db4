// SPDX-License-Identifier: GPL-3.0-or-later
// frmAbout on its own: its layout in twips and colours, and the keys that close
// it. Its links are followed from the windows that open it, in shell_test.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "doubles.h"
#include "shell/about_form.h"
#include "ui/addresses.h"
#include "ui/link_label.h"

namespace velnora {
namespace {

using testing::child;
using testing::RecordingOpener;

TEST(FrmAbout, LaidOutInTwips) {
    RecordingOpener opener;
    Help help(opener);
    FrmAbout about(help, nullptr);
    // At 96 dots per inch a pixel is 15 twips; every figure here divides evenly.
    ASSERT_EQ(about.logicalDpiX(), 96);
    const auto px = [](int twips) { return twips / 15; };
    EXPECT_EQ(about.size(), QSize(401, 273));
    EXPECT_TRUE(about.isModal());
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Velnora v1.15"));
    EXPECT_EQ(about.palette().color(QPalette::Window), QColor(68, 136, 249));
    struct Row {
        const char* name;
        QRect twips;
    };
    const Row rows[] = {
        {"Label2", {780, 285, 3480, 240}},        {"Label1", {120, 960, 5715, 975}},
        {"lblHomePage", {1320, 2160, 4650, 195}}, {"Label3", {120, 2520, 5685, 675}},
        {"lblCoBrand", {3360, 3240, 2610, 195}},  {"cmdOK", {4680, 3615, 1260, 345}},
    };
    // A one-line caption may grow to hold its text in the font at hand.
    for (const Row& row : rows) {
        const QRect& t = row.twips;
        const QRect placed = child<QWidget>(&about, row.name)->geometry();
        EXPECT_EQ(placed.topLeft(), QPoint(px(t.x()), px(t.y()))) << row.name;
        EXPECT_GE(placed.width(), px(t.width())) << row.name;
        EXPECT_GE(placed.height(), px(t.height())) << row.name;
        EXPECT_LE(placed.width(), px(t.width()) + 40) << row.name;
    }
    EXPECT_EQ(child<QWidget>(&about, "cmdOK")->geometry(), QRect(312, 241, 84, 23));
    EXPECT_EQ(child<QWidget>(&about, "Label1")->geometry(), QRect(8, 64, 381, 65));
    EXPECT_EQ(child<LinkLabel>(&about, "lblHomePage")->text(),
              QStringLiteral("Click here to visit ") + QString::fromLatin1(address::kForumHome));
    EXPECT_EQ(child<QLabel>(&about, "Label2")->palette().color(QPalette::WindowText),
              QColor(255, 255, 0));
}

TEST(FrmAbout, OkEnterAndEscapeCloseIt) {
    struct Row {
        const char* name;
        std::function<void(FrmAbout&)> press;
    };
    const Row rows[] = {
        {"ok",
         [](FrmAbout& a) { QTest::mouseClick(child<QPushButton>(&a, "cmdOK"), Qt::LeftButton); }},
        {"enter", [](FrmAbout& a) { QTest::keyClick(&a, Qt::Key_Return); }},
        {"escape", [](FrmAbout& a) { QTest::keyClick(&a, Qt::Key_Escape); }},
    };
    for (const Row& row : rows) {
        RecordingOpener opener;
        Help help(opener);
        FrmAbout about(help, nullptr);
        about.open();
        ASSERT_TRUE(about.isVisible());
        row.press(about);
        EXPECT_FALSE(about.isVisible()) << row.name;
        EXPECT_TRUE(opener.opened.isEmpty()) << row.name;
    }
}

}  // namespace
}  // namespace velnora
