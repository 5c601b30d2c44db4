// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/key_filter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "ui/message_boxes.h"

namespace velnora {

namespace {

constexpr int kNotACharacter = -1;

// The code of the one character a key press types, or kNotACharacter for keys
// that type nothing (arrows, Delete), move the focus (Tab) or are shortcuts.
int TypedCode(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return kNotACharacter;
    }
    if (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab ||
        event.key() == Qt::Key_Delete) {
        return kNotACharacter;
    }
    const QList<uint> characters = event.text().toUcs4();
    if (characters.isEmpty()) return kNotACharacter;
    // Several characters at once (an input method's composition) are refused as
    // one; no rule accepts a code outside Latin-1.
    return characters.size() == 1 ? static_cast<int>(characters.first()) : 0x10FFFF;
}

}  // namespace

KeyFilter::KeyFilter(QLineEdit* box, KeyRule rule, MessageBoxes& boxes)
    : QObject(box), box_(box), rule_(rule), boxes_(boxes) {
    box->installEventFilter(this);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_) return false;
    if (event->type() == QEvent::InputMethod) {
        return filterCommit(*static_cast<QInputMethodEvent*>(event));
    }
    if (event->type() != QEvent::KeyPress) return false;
    const int code = TypedCode(*static_cast<QKeyEvent*>(event));
    if (code == kNotACharacter) return false;

    const std::optional<int> kept = decide(code);
    if (!kept) return true;
    if (*kept == code) return false;  // the box inserts it (or handles Backspace)
    box_->insert(QString(QChar(*kept)));
    return true;
}

std::optional<int> KeyFilter::decide(int code) {
    const KeyDecision decision = ApplyKeyRule(rule_, code);
    if (decision.refusal) {
        ShowMessage(boxes_, box_->window(), decision.refusal->id);
        return std::nullopt;
    }
    return decision.code;
}

// A dead key or an input method commits its text in one event: each character goes
// through the rule as if typed, and what the rule lets through is committed instead.
bool KeyFilter::filterCommit(const QInputMethodEvent& event) {
    const QString& committed = event.commitString();
    if (committed.isEmpty()) return false;  // a composition still under way inserts nothing
    QList<uint> kept;
    for (const uint character : committed.toUcs4()) {
        if (const std::optional<int> code = decide(static_cast<int>(character))) {
            kept.append(static_cast<uint>(*code));
        }
    }
    const QString text =
        QString::fromUcs4(reinterpret_cast<const char32_t*>(kept.constData()), kept.size());
    if (text == committed) return false;
    QInputMethodEvent filtered(event.preeditString(), event.attributes());
    filtered.setCommitString(text, event.replacementStart(), event.replacementLength());
    QCoreApplication::sendEvent(box_, &filtered);  // passes this filter unchanged
    return true;
}

}  // namespace velnora
