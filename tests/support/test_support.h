// SPDX-License-Identifier: GPL-3.0-or-later
// What every window test shares: finding widgets by name with a loud failure,
// the recording message boxes and the recording link opener. The suites link
// velnora_test_support, which also brings the one QApplication main.
#pragma once

#include <QBuffer>
#include <QObject>
#include <QPdfWriter>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "print/print_dialogs.h"
#include "ui/calendar_dialogs.h"
#include "ui/link_opener.h"
#include "ui/message_boxes.h"

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace velnora::testing {

// The child of `root` with that objectName, or an exception naming both.
template <class W>
W* child(const QObject* root, const QString& name) {
    auto* found = root->findChild<W*>(name);
    if (!found) {
        throw std::runtime_error("no " + name.toStdString() + " in " +
                                 root->objectName().toStdString());
    }
    return found;
}

struct Shown {
    QString text;
    Icon icon;
    bool question = false;  // Yes and No rather than OK
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
    void open(const QUrl& address) override {
        urls.push_back(address);
        opened << address.toString(QUrl::FullyEncoded);
    }
    QStringList opened;  // fully encoded, as the browser receives them
    std::vector<QUrl> urls;
};

// Answers "Add to Calendar..." with the days and the file it is given; an empty
// answer stands for Cancel.
class ScriptedCalendarDialogs final : public CalendarDialogs {
public:
    std::optional<int> askDays(QWidget*, int) override {
        ++asked;
        return days;
    }
    std::optional<bool> askLeaveOutMarked(QWidget*) override {
        ++asked;
        return leaveOutMarked;
    }
    QString askFile(QWidget*) override {
        ++asked;
        return file;
    }
    std::optional<int> days = kCalendarDefaultDays;
    std::optional<bool> leaveOutMarked = false;
    QString file;
    int asked = 0;
};

// Answers "Print..." and "Save as PDF..." with the choice and file it is given
// (empty for Cancel); the preview paints its pages into `previewed`, a PDF.
class ScriptedPrintDialogs final : public PrintDialogs {
public:
    std::optional<PrintChoice> askWhat(QWidget*) override {
        ++asked;
        return choice;
    }
    QString askPdfFile(QWidget*) override {
        ++asked;
        return file;
    }
    void preview(QWidget*, const QPageLayout& layout,
                 const std::function<void(QPagedPaintDevice&)>& paint) override {
        previewed.clear();
        QBuffer buffer(&previewed);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageLayout(layout);
        paint(pdf);
    }
    std::optional<PrintChoice> choice = PrintChoice{};
    QString file;
    int asked = 0;
    QByteArray previewed;
};

}  // namespace velnora::testing
