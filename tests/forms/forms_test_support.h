// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tests share beyond the common test support: the tab stops, a
// recording coordinate lookup, and a loaded pair of windows.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "forms/frm_display.h"
#include "forms/frm_main.h"
#include "forms/windows.h"
#include "support/test_support.h"

namespace velnora::test {

using namespace velnora::testing;

// The names of the first `count` widgets that Tab reaches, starting at `from`.
inline QStringList TabStops(QWidget* from, qsizetype count) {
    QStringList stops;
    QWidget* w = from;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty())
            stops << w->objectName();
        w = w->nextInFocusChain();
    } while (w != from && stops.size() < count);
    return stops;
}

struct LookupCall {
    QString searchText, siteAddress;
};

class RecordingLookup final : public CoordinateLookup {
public:
    explicit RecordingLookup(std::vector<LookupCall>& calls) : calls_(calls) {}
    int Lookup(const QString& searchText, const QString& siteAddress,
               const LookupContext& /*context*/) override {
        calls_.push_back({searchText, siteAddress});
        return 0;
    }

private:
    std::vector<LookupCall>& calls_;
};

// Lets the windows that closed since the last call finish unloading.
inline void FinishUnloading() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The 5 March 2024 example: RAM at 23° 2' N, 72° 35' E, Indian time, 9:05:00.
struct WindowsFixture : ::testing::Test {
    RecordingBoxes boxes;
    std::vector<LookupCall> lookups;
    // Greenwich noon of 5 March 2024.
    FixedClock clock{std::chrono::sys_days{std::chrono::year{2024} / 3 / 5} +
                     std::chrono::hours{12}};
    ScriptedCalendarDialogs calendarDialogs;
    ScriptedPrintDialogs printDialogs;
    Windows windows{boxes, [this] { return std::make_unique<RecordingLookup>(lookups); },
                    PlanServices{clock, calendarDialogs, printDialogs, {}}};

    void SetUp() override { windows.showMain(); }
    void TearDown() override { FinishUnloading(); }

    FrmMain* main() { return windows.main(); }
    QLineEdit* box(const char* name) { return child<QLineEdit>(main(), name); }
    QComboBox* list(const char* name) { return child<QComboBox>(main(), name); }
    void type(const char* name, const QString& text) { QTest::keyClicks(box(name), text); }
    void pick(const char* name, const QString& text) {
        QComboBox* l = list(name);
        const int index = l->findText(text);
        ASSERT_GE(index, 0) << name << " has no " << text.toStdString();
        l->setCurrentIndex(index);
    }
    void click(QWidget* root, const char* name) {
        QTest::mouseClick(child<QWidget>(root, name), Qt::LeftButton);
    }
    void trigger(QWidget* root, const char* name) { child<QAction>(root, name)->trigger(); }

    void enterExample() {
        type("txtName", "ram");
        pick("cboMonth", "March");
        pick("cboDate", "5");
        pick("cboYear", "2024");
        pick("cboHour", "9");
        pick("cboMinute", "5");
        pick("cboSecond", "0");
        type("txtZoneHour", "-5");
        type("txtZoneMinute", "30");
        type("txtLatD", "23");
        type("txtLatM", "2");
        type("txtLonD", "72");
        type("txtLonM", "35");
        type("txtMCity", "Ahmedabad");
        type("txtMState", "Gujarat");
        type("txtMCountry", "India");
    }
};

}  // namespace velnora::test
