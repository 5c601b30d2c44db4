// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/services.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDialog>

namespace velnora {

QDate Today(const Clock& clock) {
    return QDateTime::fromSecsSinceEpoch(clock.now().time_since_epoch().count()).date();
}

void ClockSeededRandom::seedFromClock() {
    state_ =
        static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()) ^ 0x9E3779B97F4A7C15ull;
}

// splitmix64; the top 53 bits make a double in [0, 1) that never reaches 1.
double ClockSeededRandom::draw() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

int ExecDialogRunner::run(QDialog& dialog) { return dialog.exec(); }

void EventLoopProcessEnd::end(int status) { QCoreApplication::exit(status); }

}  // namespace velnora
