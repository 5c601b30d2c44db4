// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into a copy of a program whose main() stays as it is: as soon as the
// QApplication exists, the probe watches for the first window to be exposed,
// lets that exposure (and so the first paint) finish, then writes the monotonic
// clock in nanoseconds to descriptor 3 and ends the process on the spot. The
// benchmark harness reads that time and the process's peak resident memory.
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QWindow>
#include <cstdio>
#include <ctime>

namespace {

long long MonotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

class FirstShow final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Expose && watched->isWindowType() &&
            static_cast<QWindow*>(watched)->isExposed()) {
            seen_ = true;
            QMetaObject::invokeMethod(
                this,
                [] {
                    char line[32];
                    const int length = std::snprintf(line, sizeof line, "%lld\n", MonotonicNs());
                    if (write(3, line, static_cast<size_t>(length)) < 0) _exit(2);
                    _exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool seen_ = false;
};

void InstallProbe() {
    QCoreApplication::instance()->installEventFilter(new FirstShow(QCoreApplication::instance()));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
