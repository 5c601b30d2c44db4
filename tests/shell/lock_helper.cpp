// SPDX-License-Identifier: GPL-3.0-or-later
// A second copy for the single-instance tests, run as its own process.
//   shell_lock_helper <lock file> check [fallback] : CheckPreviousInstance; the
//                                          message, if any, goes to stdout; status
//                                          0 when this copy got the lock, 1 when
//                                          refused
//   shell_lock_helper <lock file> crash  : takes the lock and dies without
//                                          releasing it, as a crashed copy would
//   shell_lock_helper default check      : the same check at the paths the
//                                          program itself takes from its
//                                          environment
//   shell_lock_helper default path       : prints those two paths, one a line
#include <QCoreApplication>
#include <QTextStream>
#include <cstdlib>

#include "shell/metadata.h"
#include "shell/single_instance.h"
#include "ui/message_boxes.h"

namespace {

class PrintingBoxes final : public velnora::MessageBoxes {
public:
    void show(QWidget*, const QString& text, velnora::Icon icon) override {
        QTextStream(stdout) << text
                            << (icon == velnora::Icon::Information ? " [information]"
                                                                   : " [critical]")
                            << Qt::endl;
    }
    bool ask(QWidget*, const QString&, velnora::Icon) override { return false; }
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    velnora::SetApplicationMetadata();
    if (argc != 3 && argc != 4) return 2;
    const QByteArray mode(argv[2]);
    const bool programPaths = QByteArray(argv[1]) == "default";
    if (programPaths && mode == "path") {
        QTextStream(stdout) << velnora::InstanceLock::DefaultPath() << '\n'
                            << velnora::InstanceLock::FallbackPath() << Qt::endl;
        return 0;
    }
    velnora::InstanceLock lock(
        programPaths ? velnora::InstanceLock::DefaultPath() : QString::fromLocal8Bit(argv[1]),
        programPaths ? velnora::InstanceLock::FallbackPath()
        : argc == 4  ? QString::fromLocal8Bit(argv[3])
                     : QString());
    if (mode == "crash") {
        if (lock.tryAcquire(velnora::SystemClock()) != velnora::LockState::Held) return 2;
        std::_Exit(3);
    }
    PrintingBoxes boxes;
    return velnora::CheckPreviousInstance(lock, velnora::SystemClock(), boxes) ? 0 : 1;
}
