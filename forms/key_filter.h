// SPDX-License-Identifier: GPL-3.0-or-later
// Per-character keystroke filter for a text box: each typed character, and each
// character a dead key or an input method commits, goes through its KeyRule
// before the box sees it. A refused character brings up the rule's message and
// is then dropped; a changed one (a-z in the name box) is inserted in its new
// form. Text set by the program, or pasted, never passes through here.
#pragma once

#include <QObject>
#include <optional>

#include "workflow/key_rules.h"

class QInputMethodEvent;
class QLineEdit;

namespace velnora {

class MessageBoxes;

class KeyFilter : public QObject {
    Q_OBJECT
public:
    // Filters `box` for as long as it lives; `boxes` must outlive it.
    KeyFilter(QLineEdit* box, KeyRule rule, MessageBoxes& boxes);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The code to insert for a typed `code`, or nullopt once its refusal is shown.
    std::optional<int> decide(int code);
    bool filterCommit(const QInputMethodEvent& event);

    QLineEdit* box_;
    KeyRule rule_;
    MessageBoxes& boxes_;
};

}  // namespace velnora
