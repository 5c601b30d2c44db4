// SPDX-License-Identifier: GPL-3.0-or-later
// The application shell. start() runs the start-up in its fixed order: the
// single-instance check, seeding the random generator, the update reminder,
// showing frmMain and the co-brand draw. Afterwards the shell only answers the
// windows' signals: an unloading frmMain or frmDisplay brings up frmFarewell,
// the evaluation and Back hide it, links go to modHelp, About runs modally over
// the window that asked. EndProgram is the one way out: it unloads every loaded
// window in load order and ends the process with status 0.
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

#include "shell/help.h"
#include "shell/single_instance.h"

class QWidget;

namespace velnora {

class Clock;
class DialogRunner;
class FrmFarewell;
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
    QString lockPath;          // InstanceLock::DefaultPath() in the running program
    QString lockFallbackPath;  // InstanceLock::FallbackPath()
};

// Top-level windows in the order they came into being. A window counts as loaded
// from the first event it receives, which is while it is being built.
class LoadedWindows : public QObject {
    Q_OBJECT
public:
    explicit LoadedWindows(QObject* parent = nullptr);
    std::vector<QPointer<QWidget>> windows() const;  // still existing, load order

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QPointer<QWidget>> windows_;
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
    FrmFarewell* loadedFarewell() const { return farewell_.get(); }

private:
    void showFarewell();
    void hideFarewell();
    void showAbout(QWidget* parent);
    void finish();

    Windows& windows_;
    ShellServices services_;
    Help help_;
    InstanceLock instanceLock_;
    LoadedWindows* loaded_;
    std::unique_ptr<FrmFarewell> farewell_;
    bool ending_ = false;
    bool ended_ = false;
};

}  // namespace velnora
