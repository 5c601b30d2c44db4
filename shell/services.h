// SPDX-License-Identifier: GPL-3.0-or-later
// The shell's small collaborators that tests replace: the clock (in core), the random
// generator, the modal run of a dialog and the last step of the program.
#pragma once

#include <QDate>
#include <cstdint>

#include "core/clock.h"

class QDialog;

namespace velnora {

// Today's date on this computer's own calendar, from the clock's present moment.
QDate Today(const Clock& clock);

// Uniform draws r with 0 <= r < 1.
class Random {
public:
    virtual ~Random() = default;
    virtual void seedFromClock() = 0;
    virtual double draw() = 0;
};

class ClockSeededRandom final : public Random {
public:
    void seedFromClock() override;
    double draw() override;

private:
    std::uint64_t state_ = 0x9E3779B97F4A7C15ull;
};

// Runs a dialog modally and returns its result code.
class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    virtual int run(QDialog& dialog) = 0;
};

class ExecDialogRunner final : public DialogRunner {
public:
    int run(QDialog& dialog) override;
};

// The very last step of EndProgram: the process ends with `status`.
class ProcessEnd {
public:
    virtual ~ProcessEnd() = default;
    virtual void end(int status) = 0;
};

// Leaves the event loop; main() returns the status. Windows are already hidden,
// so nothing is seen between this call and the end of the process.
class EventLoopProcessEnd final : public ProcessEnd {
public:
    void end(int status) override;
};

}  // namespace velnora
