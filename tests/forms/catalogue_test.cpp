// SPDX-License-Identifier: GPL-3.0-or-later
// The time zone catalogue: its table, the window on its own, and its use from
// the main form.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <cmath>

#include "forms/frm_time_zone.h"
#include "forms/time_zones.h"
#include "forms_test_support.h"

namespace velnora::test {
namespace {

// The zone a label calls for: the label's signed hours negated, and 30 minutes
// with the hour's sign for a fraction (".5", or ".3" for India).
ZoneOffset FromLabel(std::string_view text) {
    std::string offset(text.substr(text.rfind(',') + 1));
    offset.erase(0, offset.find_first_not_of(' '));
    const int sign = offset.front() == '+' ? -1 : 1;
    const std::size_t point = offset.find('.');
    const int hours = std::abs(std::stoi(offset.substr(0, point)));
    const bool half = offset.substr(point + 1) != "0";
    return {sign * hours, half ? sign * 30 : 0};
}

// A user's double-click on an entry: the first click selects it.
void DoubleClick(QListWidget* list, QListWidgetItem* item) {
    list->scrollToItem(item);
    const QPoint centre = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

TEST(TimeZoneTable, EveryRowWritesWhatItsLabelSays) {
    ASSERT_EQ(kTimeZones.size(), 71u);
    for (const TimeZoneEntry& zone : kTimeZones) {
        EXPECT_EQ(zone.zone, FromLabel(zone.text)) << zone.text;
    }
}

struct CatalogueWindow : ::testing::Test {
    FrmTimeZone window;
    QListWidget* list = child<QListWidget>(&window, "lstTimeZone");
    QSignalSpy chosen{&window, &FrmTimeZone::zoneChosen};

    void SetUp() override { window.show(); }
};

TEST_F(CatalogueWindow, OpensWithAllZonesAndNoneSelected) {
    EXPECT_EQ(window.windowTitle(), "Velnora v1.05");
    ASSERT_EQ(list->count(), 71);
    EXPECT_EQ(list->item(34)->text(), "Indian Time, IST, +5.3");
    EXPECT_TRUE(list->selectedItems().isEmpty());
}

TEST_F(CatalogueWindow, DoubleClickReportsTheRowsTextsAndCloses) {
    struct Row {
        int position;
        ZoneOffset zone;
    };
    for (const Row row : {Row{34, {-5, -30}}, Row{50, {3, 30}}, Row{52, {-6, -30}}, Row{61, {0, 0}},
                          Row{0, {9, 0}}}) {
        FrmTimeZone fresh;
        fresh.show();
        QSignalSpy spy(&fresh, &FrmTimeZone::zoneChosen);
        auto* rows = child<QListWidget>(&fresh, "lstTimeZone");
        DoubleClick(rows, rows->item(row.position));
        ASSERT_EQ(spy.count(), 1) << row.position;
        EXPECT_EQ(spy[0][0].value<ZoneOffset>(), row.zone) << row.position;
        EXPECT_FALSE(fresh.isVisible()) << row.position;
    }
}

TEST_F(CatalogueWindow, SpaceChoosesTheEntryUnderTheKeyboardCursor) {
    list->setFocus();
    list->setCurrentRow(33, QItemSelectionModel::NoUpdate);
    QTest::keyClick(list, Qt::Key_Down);  // to "Indian Time, IST, +5.3"
    QTest::keyClick(list, Qt::Key_Space);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].value<ZoneOffset>(), (ZoneOffset{-5, -30}));
    EXPECT_FALSE(window.isVisible());
}

TEST_F(CatalogueWindow, DoubleClickWithoutSelectionClosesWithoutChoice) {
    const QPoint belowItems(5, list->viewport()->height() - 2);
    list->clearSelection();
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, belowItems);
    EXPECT_EQ(chosen.count(), 0);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(CatalogueWindow, QuitEnterAndEscapeCloseWithoutChoice) {
    for (auto close : {+[](FrmTimeZone& w) {
                           QTest::mouseClick(child<QPushButton>(&w, "cmdQuit"), Qt::LeftButton);
                       },
                       +[](FrmTimeZone& w) {
                           QTest::keyClick(child<QListWidget>(&w, "lstTimeZone"), Qt::Key_Return);
                       },
                       +[](FrmTimeZone& w) {
                           QTest::keyClick(child<QListWidget>(&w, "lstTimeZone"), Qt::Key_Escape);
                       }}) {
        FrmTimeZone fresh;
        fresh.show();
        QSignalSpy spy(&fresh, &FrmTimeZone::zoneChosen);
        child<QListWidget>(&fresh, "lstTimeZone")->setCurrentRow(34);
        close(fresh);
        EXPECT_EQ(spy.count(), 0);
        EXPECT_FALSE(fresh.isVisible());
    }
}

// From the main form: "TZ Help" opens the catalogue, which fills the zone fields.
struct CatalogueFromMainForm : WindowsFixture {
    FrmTimeZone* open() {
        click(main(), "lblTZHelp");
        auto* catalogue = child<FrmTimeZone>(main(), "frmTimeZone");
        EXPECT_TRUE(catalogue->isVisible());
        EXPECT_EQ(catalogue->windowModality(), Qt::ApplicationModal);
        return catalogue;
    }
    void choose(FrmTimeZone* catalogue, const QString& text) {
        auto* rows = child<QListWidget>(catalogue, "lstTimeZone");
        QListWidgetItem* item = rows->findItems(text, Qt::MatchExactly).value(0);
        ASSERT_NE(item, nullptr) << text.toStdString();
        DoubleClick(rows, item);
        FinishUnloading();
    }
};

TEST_F(CatalogueFromMainForm, ChoiceOverwritesTypedZoneWithoutTheFilters) {
    type("txtZoneHour", "7");
    type("txtZoneMinute", "15");
    choose(open(), "Indian Time, IST, +5.3");
    EXPECT_EQ(box("txtZoneHour")->text(), "-5");
    EXPECT_EQ(box("txtZoneMinute")->text(), "-30");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(main()->findChild<FrmTimeZone*>(), nullptr) << "the catalogue is unloaded";

    choose(open(), "Newfoundland Standard Time,NST,-3.5");
    EXPECT_EQ(box("txtZoneHour")->text(), "3");
    EXPECT_EQ(box("txtZoneMinute")->text(), "30");
}

TEST_F(CatalogueFromMainForm, QuitLeavesZoneAndReopeningShowsTheFullList) {
    type("txtZoneHour", "-5");
    FrmTimeZone* first = open();
    QTest::mouseClick(child<QPushButton>(first, "cmdQuit"), Qt::LeftButton);
    FinishUnloading();
    EXPECT_EQ(box("txtZoneHour")->text(), "-5");
    EXPECT_EQ(box("txtZoneMinute")->text(), "");

    FrmTimeZone* second = open();
    EXPECT_EQ(child<QListWidget>(second, "lstTimeZone")->count(), 71);
    EXPECT_TRUE(child<QListWidget>(second, "lstTimeZone")->selectedItems().isEmpty());
}

// A keyboard user reaches "TZ Help" with Tab from the zone it fills and opens it
// with Enter or Space; a screen reader finds it by its caption and can press it.
TEST_F(CatalogueFromMainForm, KeyboardAndScreenReaderOpenTheCatalogue) {
    auto* link = child<QWidget>(main(), "lblTZHelp");
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        box("txtZoneMinute")->setFocus();
        QTest::keyClick(main()->focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(main()->focusWidget(), link) << "Tab from the zone minute";
        QTest::keyClick(link, key);
        auto* catalogue = main()->findChild<FrmTimeZone*>();
        ASSERT_NE(catalogue, nullptr) << "key " << key;
        EXPECT_TRUE(catalogue->isVisible());
        catalogue->reject();
        FinishUnloading();
    }

    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(link);
    ASSERT_NE(access, nullptr);
    EXPECT_EQ(access->text(QAccessible::Name), "TZ Help");
    EXPECT_TRUE(access->state().focusable);
    QAccessibleActionInterface* actions = access->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());  // clicks after a moment
    EXPECT_TRUE(
        QTest::qWaitFor([this] { return main()->findChild<FrmTimeZone*>() != nullptr; }, 10000))
        << "the press action opens it";
}

// A click opens the catalogue without taking the focus from the field in use.
TEST_F(CatalogueFromMainForm, ClickLeavesTheFocusInTheField) {
    box("txtZoneHour")->setFocus();
    open()->reject();
    FinishUnloading();
    EXPECT_EQ(main()->focusWidget(), box("txtZoneHour"));
}

TEST_F(CatalogueFromMainForm, OpensBesideAndBelowTheLink) {
    auto* link = child<QWidget>(main(), "lblTZHelp");
    const QPoint linkCorner = link->mapToGlobal(QPoint(link->width(), link->height()));
    const QPoint placed = open()->pos();
    // Window borders make up the difference to the link's very corner.
    EXPECT_NEAR(placed.x(), linkCorner.x(), 8);
    EXPECT_GE(placed.y(), linkCorner.y() - 8);
    EXPECT_LE(placed.y(), linkCorner.y() + 60);
}

}  // namespace
}  // namespace velnora::test
