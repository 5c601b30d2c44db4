// SPDX-License-Identifier: GPL-3.0-or-later
// The periods window on the offscreen platform: from the menu choice to the
// window shown and painted, a step to the next day redrawn, and a 366-day
// calendar written from the window against velnora-cli --days 366 --ics, and a
// day and a month saved as PDF from the window.
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

// Save as PDF answered with the range asked for and a file in the temporary folder.
class PdfOfRange final : public PrintDialogs {
public:
    std::optional<PrintChoice> askWhat(QWidget*) override { return choice; }
    QString askPdfFile(QWidget*) override { return QDir::temp().filePath("velnora-bench.pdf"); }
    void preview(QWidget*, const QPageLayout&,
                 const std::function<void(QPagedPaintDevice&)>&) override {}
    PrintChoice choice;
};

struct Example {
    SilentBoxes boxes;
    YearOfDays dialogs;
    PdfOfRange print;
    FixedClock clock{std::chrono::sys_days{std::chrono::year{2024} / 3 / 5}};
    Windows windows{boxes, nullptr, {clock, dialogs, print, {}}};

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

// Save as PDF from the button to the file closed: a day (range 0) or March 2024,
// six weeks (range 1).
void BM_SavePdf(benchmark::State& state) {
    Example& e = Shared();
    e.print.choice.range = state.range(0) == 0 ? PrintRange::Day : PrintRange::Month;
    e.trigger("mnuPeriods");
    FrmPeriods* periods = e.windows.periods();
    QApplication::processEvents();
    auto* save = periods->findChild<QPushButton*>(QStringLiteral("cmdSavePdf"));
    for (auto _ : state) save->click();
    delete periods;
    QFile::remove(QDir::temp().filePath("velnora-bench.pdf"));
}
BENCHMARK(BM_SavePdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

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
