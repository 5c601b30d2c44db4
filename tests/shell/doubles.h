// SPDX-License-Identifier: GPL-3.0-or-later
// Recording stand-ins for the shell's own collaborators: the clock, the random
// generator, the end of the process and the modal run of a dialog. The widget
// finder, message boxes and link opener come from the common test support.
#pragma once

#include <QDateTime>
#include <QDialog>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <deque>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "shell/help.h"
#include "shell/services.h"
#include "support/test_support.h"

namespace velnora::testing {

// The core's still clock at local noon of `day`, so that Today() gives `day`.
inline FixedClock ClockOnDay(QDate day) {
    return FixedClock(std::chrono::sys_seconds{
        std::chrono::seconds{QDateTime(day, QTime(12, 0)).toSecsSinceEpoch()}});
}

// Hands out the given draws in order, then repeats the last one.
class ScriptedRandom final : public Random {
public:
    explicit ScriptedRandom(std::deque<double> draws) : draws_(std::move(draws)) {}
    void seedFromClock() override { ++seeds; }
    double draw() override {
        const double r = draws_.front();
        if (draws_.size() > 1) draws_.pop_front();
        return r;
    }
    int seeds = 0;

private:
    std::deque<double> draws_;
};

class RecordingProcessEnd final : public ProcessEnd {
public:
    void end(int status) override { statuses.push_back(status); }
    std::vector<int> statuses;
};

// Runs the modal dialog's scene as a function instead of a nested event loop.
class ScriptedDialogRunner final : public DialogRunner {
public:
    int run(QDialog& dialog) override {
        ++runs;
        dialog.open();
        if (scene) scene(dialog);
        return dialog.result();
    }
    std::function<void(QDialog&)> scene;
    int runs = 0;
};

}  // namespace velnora::testing
