// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/key_filter.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "forms/seams.h"

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
    if (watched != box_ || event->type() != QEvent::KeyPress) return false;
    const int code = TypedCode(*static_cast<QKeyEvent*>(event));
    if (code == kNotACharacter) return false;

    const KeyDecision decision = ApplyKeyRule(rule_, code);
    if (decision.refusal) {
        boxes_.show(box_->window(), QString::fromStdString(decision.refusal->text),
                    decision.refusal->icon);
        return true;
    }
    if (decision.code == code) return false;  // the box inserts it (or handles Backspace)
    box_->insert(QString(QChar(decision.code)));
    return true;
}

}  // namespace velnora
