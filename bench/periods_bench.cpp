// SPDX-License-Identifier: GPL-3.0-or-later
// The periods window on the offscreen platform: from the menu choice to the
// window shown and painted, a step to the next day redrawn, and a 366-day
// calendar written from the window against velnora-cli --days 366 --ics.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <chrono>
#include <string>

#include "forms/frm_main.h"
#include "forms/frm_periods.h"
#include "forms/windows.h"
#include "run_cli.h"

namespace {

using namespace velnora;

class SilentBoxes final : public MessageBoxes {
public:
    void show(QWidget*, const QString&, Icon) override {}
    bool ask(QWidget*, const QString&, Icon) override { return false; }
};

class YearOfDays final : public CalendarDialogs {
public:
    std::optional<int> askDays(QWidget*, int maxDays) override { return maxDays; }
    std::optional<bool> askLeaveOutMarked(QWidget*) override { return false; }
    QString askFile(QWidget*) override { return QDir::temp().filePath("velnora-bench.ics"); }
};

struct Example {
    SilentBoxes boxes;
    YearOfDays dialogs;
    FixedClock clock{std::chrono::sys_days{std::chrono::year{2024} / 3 / 5}};
    Windows windows{boxes, nullptr, {clock, dialogs, {}}};

    // The 5 March 2024 example typed into the input window.
    Example() {
        windows.showMain();
        FrmMain* main = windows.main();
        const std::pair<const char*, const char*> fields[] = {
            {"txtName", "RAM"}, {"txtLatD", "23"},     {"txtLatM", "2"},        {"txtLonD", "72"},
            {"txtLonM", "35"},  {"txtZoneHour", "-5"}, {"txtZoneMinute", "-30"}};
        for (const auto& [name, text] : fields)
            main->findChild<QLineEdit*>(QString::fromLatin1(name))
                ->setText(QString::fromLatin1(text));
        const std::pair<const char*, int> lists[] = {{"cboMonth", 2},
                                                     {"cboDate", 4},
                                                     {"cboYear", 2024 - 1901},
                                                     {"cboHour", 9},
                                                     {"cboMinute", 5}};
        for (const auto& [name, index] : lists)
            main->findChild<QComboBox*>(QString::fromLatin1(name))->setCurrentIndex(index);
    }
    void trigger(const char* name) {
        windows.main()->findChild<QAction*>(QString::fromLatin1(name))->trigger();
    }
};

Example& Shared() {
    static Example example;
    return example;
}

// The menu choice to the painted window; each round makes the window anew.
void BM_PeriodsWindowShown(benchmark::State& state) {
    Example& e = Shared();
    for (auto _ : state) {
        e.trigger("mnuPeriods");
        FrmPeriods* periods = e.windows.periods();
        QApplication::processEvents();
        periods->repaint();
        state.PauseTiming();
        delete periods;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PeriodsWindowShown)->Unit(benchmark::kMillisecond);

void BM_PeriodsNextDay(benchmark::State& state) {
    Example& e = Shared();
    e.trigger("mnuPeriods");
    FrmPeriods* periods = e.windows.periods();
    QApplication::processEvents();
    auto* next = periods->findChild<QPushButton*>(QStringLiteral("cmdNextDay"));
    auto* previous = periods->findChild<QPushButton*>(QStringLiteral("cmdPreviousDay"));
    bool forward = true;
    for (auto _ : state) {
        (forward ? next : previous)->click();
        periods->repaint();
        forward = !forward;
    }
    delete periods;
}
BENCHMARK(BM_PeriodsNextDay)->Unit(benchmark::kMillisecond);

void BM_CalendarYearFromWindow(benchmark::State& state) {
    Example& e = Shared();
    for (auto _ : state) e.trigger("mnuCalendar");
    QFile::remove(QDir::temp().filePath("velnora-bench.ics"));
}
BENCHMARK(BM_CalendarYearFromWindow)->Unit(benchmark::kMillisecond);

void BM_CalendarYearFromCli(benchmark::State& state) {
    const std::string file = QDir::temp().filePath("velnora-bench-cli.ics").toStdString();
    const char* argv[] = {
        VELNORA_CLI, "--name",    "RAM",  "--month",     "March",      "--day",
        "5",         "--year",    "2024", "--hour",      "9",          "--minute",
        "5",         "--lat-deg", "23",   "--lat-min",   "2",          "--lon-deg",
        "72",        "--lon-min", "35",   "--zone-hour", "-5",         "--zone-minute",
        "-30",       "--days",    "366",  "--ics",       file.c_str(), nullptr};
    velnora::bench::RunCli(state, argv);
    QFile::remove(QString::fromStdString(file));
}
BENCHMARK(BM_CalendarYearFromCli)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
