// SPDX-License-Identifier: GPL-3.0-or-later
// The application shell. start() runs the start-up in its fixed order: the
// single-instance check, seeding the random generator, the update reminder,
// showing frmMain and the co-brand draw. Afterwards the shell only answers the
// windows' signals: an unloading frmMain or frmDisplay brings up frmFarewell,
// the evaluation and Back hide it, links go to Help, About runs modally over
// the window that asked. EndProgram is the one way out: it unloads every loaded
// window in load order and ends the process with status 0.
#pragma once

#include <QObject>

#include "shell/farewell_form.h"
#include "shell/help.h"
#include "shell/single_instance.h"
#include "ui/load_order.h"
#include "ui/window_slot.h"

class QWidget;

namespace velnora {

class Clock;
class DialogRunner;
class MessageBoxes;
class ProcessEnd;
class Random;
class Windows;

struct ShellServices {
    MessageBoxes& boxes;
    LinkOpener& links;
    Clock& clock;
    Random& random;
    QString settingsPath;  // holds LastReminderDate: SettingsPath() in the running program
    DialogRunner& dialogs;
    ProcessEnd& processEnd;
    LoadOrder& loaded;         // every window, recorded by the code that makes it
    QString lockPath;          // InstanceLock::DefaultPath() in the running program
    QString lockFallbackPath;  // InstanceLock::FallbackPath()
};

class Shell : public QObject {
    Q_OBJECT
public:
    Shell(Windows& windows, const ShellServices& services, QObject* parent = nullptr);
    ~Shell() override;

    // The start-up. False when another copy is running: the refusal has been
    // shown, EndProgram has run, and the caller returns without an event loop.
    bool start();

    void EndProgram();

    Help& help() { return help_; }
    FrmFarewell* farewell();  // loads it on first use
    FrmFarewell* loadedFarewell() const { return farewell_; }

private:
    void showFarewell();
    void hideFarewell();
    void showAbout(QWidget* parent);
    void finish();

    Windows& windows_;
    ShellServices services_;
    Help help_;
    InstanceLock instanceLock_;
    WindowSlot<FrmFarewell> farewell_;
    bool ending_ = false;
    bool ended_ = false;
};

}  // namespace velnora
