// SPDX-License-Identifier: GPL-3.0-or-later
// The program's message boxes: titled "Velnora", with an OK button (show) or Yes
// and No (ask) and the critical or information icon. Windows show the messages
// of the table through tr(); tests record what would have been shown.
#pragma once

#include <QString>

#include "messages/messages.h"

class QWidget;

namespace velnora {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void show(QWidget* parent, const QString& text, Icon icon) = 0;
    virtual bool ask(QWidget* parent, const QString& text, Icon icon) = 0;  // true on Yes
};

// A message of the table in the user's language, with its icon.
QString MessageTr(MessageId id);
void ShowMessage(MessageBoxes& boxes, QWidget* parent, MessageId id);
// A message whose text names a value (%1), written in the windows' own form.
void ShowMessage(MessageBoxes& boxes, QWidget* parent, MessageId id, const QString& argument);
bool AskMessage(MessageBoxes& boxes, QWidget* parent, MessageId id);  // true on Yes

// The real thing: QMessageBox.
class QtMessageBoxes final : public MessageBoxes {
public:
    void show(QWidget* parent, const QString& text, Icon icon) override;
    bool ask(QWidget* parent, const QString& text, Icon icon) override;
};

}  // namespace velnora
