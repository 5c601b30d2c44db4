// SPDX-License-Identifier: GPL-3.0-or-later
// Recording stand-ins for the shell's collaborators, and the widget finder.
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

#include "forms/seams.h"
#include "shell/help.h"
#include "shell/services.h"

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace velnora::testing {

template <class W>
W* child(const QObject* root, const char* name) {
    auto* w = root->findChild<W*>(QString::fromLatin1(name));
    if (!w) throw std::runtime_error(std::string("no widget ") + name);
    return w;
}

struct Shown {
    QString text;
    Icon icon;
    bool question;
    friend bool operator==(const Shown&, const Shown&) = default;
};

inline void PrintTo(const Shown& shown, std::ostream* os) {
    *os << '"' << shown.text.toStdString() << '"'
        << (shown.icon == Icon::Critical ? " critical" : " information")
        << (shown.question ? " Yes/No" : " OK");
}

class RecordingBoxes final : public MessageBoxes {
  public:
    void show(QWidget*, const QString& text, Icon icon) override {
        shown.push_back({text, icon, false});
        if (onMessage) onMessage();
    }
    bool ask(QWidget*, const QString& text, Icon icon) override {
        shown.push_back({text, icon, true});
        if (onMessage) onMessage();
        return answerYes;
    }
    QStringList texts() const {
        QStringList list;
        for (const Shown& s : shown) list << s.text;
        return list;
    }
    std::vector<Shown> shown;
    bool answerYes = false;
    std::function<void()> onMessage;  // runs while the box would be on screen
};

class RecordingOpener final : public LinkOpener {
  public:
    void open(const QUrl& address) override { opened << address.toString(QUrl::FullyEncoded); }
    QStringList opened;
};

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
