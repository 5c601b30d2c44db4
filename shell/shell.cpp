// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/shell.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

#include "forms/frm_main.h"
#include "forms/windows.h"
#include "shell/about_form.h"
#include "shell/app_icon.h"
#include "shell/cobrand.h"
#include "shell/farewell_form.h"
#include "shell/services.h"
#include "shell/update_reminder.h"

namespace velnora {

LoadedWindows::LoadedWindows(QObject* parent) : QObject(parent) {
    QCoreApplication::instance()->installEventFilter(this);
}

std::vector<QPointer<QWidget>> LoadedWindows::windows() const {
    std::vector<QPointer<QWidget>> alive;
    for (const QPointer<QWidget>& window : windows_) {
        if (window) alive.push_back(window);
    }
    return alive;
}

bool LoadedWindows::eventFilter(QObject* watched, QEvent* event) {
    if (watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        const Qt::WindowType type = widget->windowType();
        if (widget->isWindow() && (type == Qt::Window || type == Qt::Dialog) &&
            std::find(windows_.begin(), windows_.end(), widget) == windows_.end()) {
            std::erase_if(windows_, [](const QPointer<QWidget>& w) { return w.isNull(); });
            windows_.emplace_back(widget);
        }
    }
    return QObject::eventFilter(watched, event);
}

Shell::Shell(Windows& windows, const ShellServices& services, QObject* parent)
    : QObject(parent),
      windows_(windows),
      services_(services),
      help_(services.links),
      instanceLock_(services.lockPath, services.lockFallbackPath),
      loaded_(new LoadedWindows(this)) {
    connect(&windows_, &Windows::unloaded, this, &Shell::showFarewell);
    connect(&windows_, &Windows::farewellHideRequested, this, &Shell::hideFarewell);
    connect(&windows_, &Windows::linkRequested, this, [this](Link link) { help_.Open(link); });
    connect(&windows_, &Windows::aboutRequested, this, &Shell::showAbout);
}

Shell::~Shell() = default;

bool Shell::start() {
    QApplication::setWindowIcon(ProgramIcon());
    if (!CheckPreviousInstance(instanceLock_, services_.boxes)) {
        EndProgram();
        return false;
    }
    services_.random.seedFromClock();
    UpdateReminder(services_.settingsPath, services_.clock, services_.boxes, help_);
    windows_.showMain();
    if (FrmMain* frmMain = windows_.main()) CoBrand_Randomize(*frmMain, services_.random);
    return true;
}

FrmFarewell* Shell::farewell() {
    if (!farewell_) {
        farewell_ = std::make_unique<FrmFarewell>(services_.boxes, services_.random, help_);
        connect(farewell_.get(), &FrmFarewell::endProgramRequested, this, &Shell::EndProgram);
    }
    return farewell_.get();
}

void Shell::showFarewell() {
    if (ending_) return;
    farewell()->show();
}

void Shell::hideFarewell() { farewell()->hide(); }

void Shell::showAbout(QWidget* parent) {
    FrmAbout about(help_, parent);
    services_.dialogs.run(about);
}

// A call from an unload step during the walk below ends the process itself; the
// outer call then stops walking.
void Shell::EndProgram() {
    if (ending_) return finish();
    ending_ = true;
    for (const QPointer<QWidget>& window : loaded_->windows()) {
        if (ended_) break;
        if (window) window->close();
    }
    finish();
}

void Shell::finish() {
    if (ended_) return;
    ended_ = true;
    for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
    services_.processEnd.end(0);
}

}  // namespace velnora
