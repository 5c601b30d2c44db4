// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/shell.h"

#include <QApplication>
#include <QWidget>

#include "forms/frm_main.h"
#include "forms/windows.h"
#include "shell/about_form.h"
#include "shell/app_icon.h"
#include "shell/cobrand.h"
#include "shell/farewell_form.h"
#include "shell/services.h"
#include "shell/update_reminder.h"

namespace velnora {

Shell::Shell(Windows& windows, const ShellServices& services, QObject* parent)
    : QObject(parent),
      windows_(windows),
      services_(services),
      help_(services.links),
      instanceLock_(services.lockPath, services.lockFallbackPath) {
    connect(&windows_, &Windows::loaded, this, [this](QWidget* w) { services_.loaded.record(w); });
    connect(&windows_, &Windows::unloaded, this, &Shell::showFarewell);
    connect(&windows_, &Windows::farewellHideRequested, this, &Shell::hideFarewell);
    connect(&windows_, &Windows::linkRequested, this, [this](Link link) { help_.Open(link); });
    connect(&windows_, &Windows::aboutRequested, this, &Shell::showAbout);
}

Shell::~Shell() = default;

bool Shell::start() {
    QApplication::setWindowIcon(ProgramIcon());
    if (!CheckPreviousInstance(instanceLock_, services_.clock, services_.boxes)) {
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
        services_.loaded.record(farewell_.make(services_.boxes, services_.random, help_));
        connect(farewell_, &FrmFarewell::endProgramRequested, this, &Shell::EndProgram);
    }
    return farewell_;
}

void Shell::showFarewell() {
    if (ending_) return;
    farewell()->show();
}

void Shell::hideFarewell() { farewell()->hide(); }

void Shell::showAbout(QWidget* parent) {
    FrmAbout about(help_, parent);
    services_.loaded.record(&about);
    services_.dialogs.run(about);
}

// A call from an unload step during the walk below ends the process itself; the
// outer call then stops walking.
void Shell::EndProgram() {
    if (ending_) return finish();
    ending_ = true;
    for (const QPointer<QWidget>& window : services_.loaded.windows()) {
        if (ended_) break;
        if (window) window->close();
    }
    finish();
}

void Shell::finish() {
    if (ended_) return;
    ended_ = true;
    for (const QPointer<QWidget>& window : services_.loaded.windows()) window->hide();
    services_.processEnd.end(0);
}

}  // namespace velnora
