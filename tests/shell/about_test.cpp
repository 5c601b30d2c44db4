// SPDX-License-Identifier: GPL-3.0-or-later
// frmAbout on its own: its layout in pixels and colours, and the keys that close
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

// The places in pixels at 96 dots per inch, worked out from the box's layout
// (15 twips to a pixel): the title at 780, 285 twips sits at 52, 19.
TEST(FrmAbout, LaidOutInPixels) {
    RecordingOpener opener;
    Help help(opener);
    FrmAbout about(help, nullptr);
    ASSERT_EQ(about.logicalDpiX(), 96);
    EXPECT_EQ(about.size(), QSize(401, 273));
    EXPECT_TRUE(about.isModal());
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Velnora v1.15"));
    EXPECT_EQ(about.palette().color(QPalette::Window), QColor(68, 136, 249));
    struct Row {
        const char* name;
        QRect pixels;
        bool grows;  // a one-line caption may grow to hold its text in the font at hand
    };
    const Row rows[] = {
        {"Label2", {52, 19, 232, 16}, true},       {"Label1", {8, 64, 381, 65}, false},
        {"lblHomePage", {88, 144, 310, 13}, true}, {"Label3", {8, 168, 379, 45}, false},
        {"lblCoBrand", {224, 216, 174, 13}, true}, {"cmdOK", {312, 241, 84, 23}, false},
    };
    for (const Row& row : rows) {
        const QRect placed = child<QWidget>(&about, row.name)->geometry();
        if (!row.grows) {
            EXPECT_EQ(placed, row.pixels) << row.name;
            continue;
        }
        EXPECT_EQ(placed.topLeft(), row.pixels.topLeft()) << row.name;
        EXPECT_GE(placed.width(), row.pixels.width()) << row.name;
        EXPECT_GE(placed.height(), row.pixels.height()) << row.name;
        EXPECT_LE(placed.width(), row.pixels.width() + 40) << row.name;
    }
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
